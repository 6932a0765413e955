#pragma once
// The map window's former name, still used by the spots window for its colours;
// delete this file once that window includes FenetreCarte.h.
#include "ui/diplomes/FenetreCarte.h"

using Carte_Acti_DCF = FenetreCarte;
