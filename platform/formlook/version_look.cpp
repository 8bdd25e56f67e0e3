#include "platform/version_look.h"

#include <platform/form_look.h>
#include <platform/maker_pictures.h>

VersionDialogParts shape_version_dialog(QDialog* dialog, const char* caption, const QImage& coupling, int emblem_top)
{
    dialog->setWindowTitle(qt_from_sjis(caption));
    dialog->setFixedSize(406, 176);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFont(make_font("ＭＳ ゴシック", -13));
    set_button_face(dialog);

    VersionDialogParts parts;
    parts.ok = new QPushButton("OK", dialog);
    parts.ok->setGeometry(328, 144, 75, 25);
    parts.panel = new TPanel(dialog, TPanel::bvLowered);
    parts.panel->setGeometry(112, 64, 209, 41);
    parts.coupling = new TImage(dialog);
    parts.coupling->setGeometry(4, 4, 101, 101);
    parts.coupling->Stretch = true;
    parts.coupling->Assign(&coupling);
    parts.emblem = new TImage(dialog);
    parts.emblem->setGeometry(4, emblem_top, 165, 29);
    parts.emblem->Assign(&emblem_picture());
    parts.notice[0] = form_label(dialog, "本製品の全部または一部を無断で複製・転載・配布することを", 4, 108);
    parts.notice[1] = form_label(dialog, "固く禁じます。", 4, 124);
    parts.ok->setFocus();
    return parts;
}
