#include "Radiobuttonooo.h"

TRadioButtonooo::TRadioButtonooo(QWidget* Owner) : EnterAsTabButton(Owner) {}

TRadioButtonooo::~TRadioButtonooo() = default;
