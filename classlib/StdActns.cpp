#include "classlib/StdActns.h"

VARIRUVU_CLASS_INFO(THintAction, TCustomAction)
{
    info.Property("Hint", &THintAction::GetHint, &THintAction::SetHint);
}
