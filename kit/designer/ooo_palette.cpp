#include "ooo_palette.h"

#include "Checkboxooo.h"
#include "Comboboxooo.h"
#include "Editooo.h"
#include "Radiobuttonooo.h"

OooWidget::OooWidget(const QString& name, const QString& include_file, const QString& tool_tip, Factory factory,
                     QObject* parent)
    : QObject(parent), name_(name), include_file_(include_file), tool_tip_(tool_tip), factory_(factory)
{}

template <class Control>
void OooPalette::Register(const char* include_file, const char* tool_tip)
{
    widgets_.append(new OooWidget(
        QString::fromLatin1(Control::staticMetaObject.className()), QString::fromLatin1(include_file),
        QString::fromLatin1(tool_tip), [](QWidget* parent) -> QWidget* { return new Control(parent); }, this));
}

OooPalette::OooPalette(QObject* parent) : QObject(parent)
{
    Register<TEditooo>("Editooo.h", "Edit box; Enter moves on; numeric with OnlyNumber");
    Register<TCheckBoxooo>("Checkboxooo.h", "Check box; Enter moves on");
    Register<TComboBoxooo>("Comboboxooo.h", "Combo box; Enter moves on, no keyboard search");
    Register<TRadioButtonooo>("Radiobuttonooo.h", "Radio button; Enter moves on");
}
