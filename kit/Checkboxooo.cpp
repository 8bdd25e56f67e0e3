#include "Checkboxooo.h"

TCheckBoxooo::TCheckBoxooo(QWidget* Owner) : EnterAsTabButton(Owner) {}

TCheckBoxooo::~TCheckBoxooo() = default;
