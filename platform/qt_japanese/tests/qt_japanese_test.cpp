#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTranslator>

#include <platform/qt_japanese.h>
#include <testsupport/child_process.h>
#include <testsupport/context_menu.h>

#include "Editooo.h"

namespace {

// Takes the catalogue out again, so that each test starts with Qt's English.
void remove_catalogues()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>())
        delete translator;
}

TEST(QtJapanese, EditBoxMenuIsJapanese)
{
    ASSERT_TRUE(install_qt_japanese());
    EXPECT_TRUE(install_qt_japanese());  // once is enough
    EXPECT_EQ(qApp->findChildren<QTranslator*>().size(), 1);
    TEditooo box;
    box.setText(QStringLiteral("123"));
    box.show();
    QStringList entries = context_menu_entries(&box);
    EXPECT_TRUE(entries.contains(QString::fromUtf8(u8"コピー(&C)"))) << entries.join(u'|').toStdString();
    EXPECT_TRUE(entries.contains(QString::fromUtf8(u8"貼り付け(&P)"))) << entries.join(u'|').toStdString();
    EXPECT_FALSE(entries.contains(QStringLiteral("&Copy")));
    remove_catalogues();
}

TEST(QtJapanese, MissingCatalogueLeavesQtsEnglishSilently)
{
    TempFolder empty, broken;
    write_file(broken.file("qtbase_ja.qm"), "not a catalogue");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(install_qt_japanese(QString::fromStdString(empty.path())));
    EXPECT_FALSE(install_qt_japanese(QString::fromStdString(broken.path())));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty());
    TEditooo box;
    box.show();
    EXPECT_TRUE(context_menu_entries(&box).contains(QStringLiteral("&Copy")));
    // The real catalogue still goes in afterwards.
    EXPECT_TRUE(install_qt_japanese());
    remove_catalogues();
}

}  // namespace
