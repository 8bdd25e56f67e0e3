#include <gtest/gtest.h>

#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QApplication>

#include <testsupport/qt_test_app.h>

namespace {

TEST(DesignerPalette, OffersTheFourControlsOnPageOoo)
{
    QPluginLoader plugin(QStringLiteral(OOO_DESIGNER_PLUGIN));
    QObject* instance = plugin.instance();
    ASSERT_NE(instance, nullptr) << plugin.errorString().toStdString();
    auto* palette = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
    ASSERT_NE(palette, nullptr);

    const QList<QDesignerCustomWidgetInterface*> widgets = palette->customWidgets();
    QStringList names;
    for (QDesignerCustomWidgetInterface* widget : widgets) {
        names << widget->name();
        EXPECT_EQ(widget->group(), QStringLiteral("ooo"));
        EXPECT_FALSE(widget->isContainer());
        EXPECT_TRUE(widget->includeFile().endsWith(QStringLiteral("ooo.h")));
        QWidget parent;
        QWidget* made = widget->createWidget(&parent);
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(QString::fromLatin1(made->metaObject()->className()), widget->name());
        EXPECT_EQ(made->parentWidget(), &parent);
    }
    EXPECT_EQ(names, (QStringList{"TEditooo", "TCheckBoxooo", "TComboBoxooo", "TRadioButtonooo"}));
}

}  // namespace
