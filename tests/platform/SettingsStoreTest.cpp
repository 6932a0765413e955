#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "platform/SettingsStore.h"

TEST(SettingsStore, SectionsWithABlankAndSeparateApplications) {
    QTemporaryDir d;
    QtSettingsStore(d.path()).write("DCF", "Setup ", "Indicatif Station", "F5XYZ_P");
    QtSettingsStore(d.path()).write("DCF", "Setup F5XYZ_P", "Revision", " 1.0.3");
    QtSettingsStore(d.path()).write("Polyvox", "Setup F5XYZ_P", "bande Cluster", "5");
    QtSettingsStore(d.path()).write("DCF", "Setup F5XYZ_P", "bande Utilisee", "douze");
    QtSettingsStore s(d.path());  // a later run
    EXPECT_EQ(QStringList({s.read("DCF", "Setup ", "Indicatif Station", "FXXXX"),
                           s.read("DCF", "Setup F5XYZ_P", "Revision", ""),
                           s.read("DCF", "Setup F5XYZ_P", "bande Cluster", "0"),
                           s.read("Polyvox", "Setup F5XYZ_P", "bande Cluster", "0")}),
              QStringList({"F5XYZ_P", " 1.0.3", "0", "5"}));
    EXPECT_EQ(s.readIndex("DCF", "Setup F5XYZ_P", "bande Utilisee"), 0);
    EXPECT_TRUE(QFile::exists(d.filePath("Vitralog/Polyvox.ini")));
}
