// The text notation of component streams and its conversion to and from the binary stream.
//
//     object frmMain: TfrmMain
//       Caption = 'Files'#269
//       Font.Name = 'Tahoma'
//       Options = [lcoIgnoreEmptyProps, lcoIgnoreFontProps]
//       Lines.Strings = (
//         'one'
//         'two')
//       Data = {
//         0102FF}
//       Columns = <
//         item
//           Width = 20
//         end>
//       OnClick = btnShredClick
//       object btnShred: TButton
//       end
//     end
//
// Text files are UTF-8. A string whose characters are all below 128 becomes an
// 8-bit string value, any other a wide string value; the text written back
// quotes printable ASCII and gives every other character as #code.
#pragma once

#include "classlib/Streams.h"
#include "classlib/SysUtils.h"

// "<what> on line <n>".
VARIRUVU_EXCEPTION(EParserError, Exception);

// EParserError for text that is not the notation.
void ObjectTextToBinary(TStream* input, TStream* output);
// EReadError for a damaged stream.
void ObjectBinaryToText(TStream* input, TStream* output);
