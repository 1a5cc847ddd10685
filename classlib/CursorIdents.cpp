#include "classlib/Controls.h"

#define VARIRUVU_CURSOR(name) TIdentMapEntry{name, #name}

const TTypeInfo& CursorTypeInfo()
{
    static const TTypeInfo& info = RegisterIntegerIdents(
        MakeOrdinalTypeInfo(tkInteger, "TCursor", INT16_MIN, INT16_MAX),
        {VARIRUVU_CURSOR(crDefault), VARIRUVU_CURSOR(crNone), VARIRUVU_CURSOR(crArrow), VARIRUVU_CURSOR(crCross),
         VARIRUVU_CURSOR(crIBeam), VARIRUVU_CURSOR(crSizeNESW), VARIRUVU_CURSOR(crSizeNS),
         VARIRUVU_CURSOR(crSizeNWSE), VARIRUVU_CURSOR(crSizeWE), VARIRUVU_CURSOR(crUpArrow),
         VARIRUVU_CURSOR(crHourGlass), VARIRUVU_CURSOR(crDrag), VARIRUVU_CURSOR(crNoDrop), VARIRUVU_CURSOR(crHSplit),
         VARIRUVU_CURSOR(crVSplit), VARIRUVU_CURSOR(crMultiDrag), VARIRUVU_CURSOR(crSQLWait), VARIRUVU_CURSOR(crNo),
         VARIRUVU_CURSOR(crAppStart), VARIRUVU_CURSOR(crHelp), VARIRUVU_CURSOR(crHandPoint),
         VARIRUVU_CURSOR(crSizeAll)});
    return info;
}
