#include "Dunmere_forms.h"

#include <platform/application.h>

#include "Frm_mans.h"
#include "Frm_vers.h"
#include "Frm_waits.h"

void create_forms()
{
    Application->CreateForm(Frm_Man);
    Application->CreateForm(Frm_Ver);
    Application->CreateForm(Frm_Wait);
}
