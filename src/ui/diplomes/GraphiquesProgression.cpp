#include "ui/diplomes/GraphiquesProgression.h"

#include "platform/Modules.h"

GraphiquesProgression* GraphiquesProgression::creer(QWidget* parent) {
    using Fabrique = GraphiquesProgression* (*)(QWidget*);
    static const auto fabrique =
        reinterpret_cast<Fabrique>(Modules::fonction(QStringLiteral("vitralog_graphiques"), "vitralog_graphiques"));
    return fabrique ? fabrique(parent) : nullptr;
}
