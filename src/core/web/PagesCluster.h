#pragma once
#include <QString>
#include <QStringList>

// The band list of the cluster window and the page of each entry.
namespace PagesCluster {

// The thirteen entries, "All HF" to "All VHF", in list order.
QStringList entrees();
// The band code of an entry ("euhf", "160" ... "2", "euvhf"); empty for -1
// or an index past the list.
QString codeBande(int index);
// The page path of an entry ("/euhfcw.html", "/ww20cw.html" ...); empty
// when the index names no entry.
QString page(int index);

}  // namespace PagesCluster
