#include <gtest/gtest.h>

#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

#include <platform/qt_test_app.h>

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

// What a form loaded at run time does with the properties it names.
TEST(DesignerPalette, FormPropertiesReachTheNumericBox)
{
    QPluginLoader plugin(QStringLiteral(OOO_DESIGNER_PLUGIN));
    auto* palette = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin.instance());
    ASSERT_NE(palette, nullptr) << plugin.errorString().toStdString();
    QWidget form;
    std::unique_ptr<QWidget> box(palette->customWidgets().at(0)->createWidget(&form));
    ASSERT_STREQ(box->metaObject()->className(), "TEditooo");

    EXPECT_EQ(box->property("OnlyNumber"), QVariant(false));
    EXPECT_TRUE(box->setProperty("OnlyNumber", true));
    EXPECT_TRUE(box->setProperty("OnlyInt", true));
    EXPECT_TRUE(box->setProperty("maxLength", 2));
    EXPECT_TRUE(box->setProperty("text", QStringLiteral("123")));
    EXPECT_EQ(box->property("OnlyNumber"), QVariant(true));
    EXPECT_EQ(box->property("OnlyInt"), QVariant(true));
    EXPECT_EQ(box->property("OnlyPlus"), QVariant(false));
    EXPECT_EQ(box->property("maxLength"), QVariant(2));
    EXPECT_EQ(box->property("text"), QVariant(QStringLiteral("123")));  // not cut by the limit
}

}  // namespace
