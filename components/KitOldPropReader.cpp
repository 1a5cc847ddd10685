#include "components/KitOldPropReader.h"

void TKitOldPropReader::ReadBoolean(TReader* reader)
{
    reader->ReadBoolean();
}

void TKitOldPropReader::ReadIdent(TReader* reader)
{
    reader->ReadIdent();
}

void TKitOldPropReader::ReadSet(TReader* reader)
{
    reader->CheckValue(vaSet);
    while (!reader->ReadStr().empty()) {
    }
}
