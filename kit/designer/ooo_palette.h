// The form designer's palette page "ooo": the kit's four controls, offered to
// Qt Designer by this plugin.
#ifndef KIT_DESIGNER_OOO_PALETTE_H
#define KIT_DESIGNER_OOO_PALETTE_H

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// One control on the page.
class OooWidget : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    using Factory = QWidget* (*)(QWidget* parent);

    OooWidget(const QString& name, const QString& include_file, const QString& tool_tip, Factory factory,
              QObject* parent);

    QString name() const override { return name_; }
    QString group() const override { return QStringLiteral("ooo"); }
    QString toolTip() const override { return tool_tip_; }
    QString whatsThis() const override { return tool_tip_; }
    QString includeFile() const override { return include_file_; }
    QIcon icon() const override { return QIcon(); }
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override { return factory_(parent); }

private:
    QString name_;
    QString include_file_;
    QString tool_tip_;
    Factory factory_;
};

class OooPalette : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit OooPalette(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

private:
    // Puts Control on the page.
    template <class Control>
    void Register(const char* include_file, const char* tool_tip);

    QList<QDesignerCustomWidgetInterface*> widgets_;
};

#endif
