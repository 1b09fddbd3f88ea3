#include "modem/IndianShiftTables.h"

namespace {

// By septet, rows of sixteen. Two positions stay empty on purpose, where the published
// tables and phones disagree: Kannada locking 0x24, printed as PA (which 0x3D holds too) and
// read as DDA by some phones; Tamil single shift 0x24, printed as the digit nine (as 0x25) and
// read as eight by others. Nothing is sent there, so no phone shows another character than
// the one composed.

constexpr std::u16string_view bengaliLocking =
    u"\u0981\u0982\u0983\u0985\u0986\u0987\u0988\u0989\u098A\u098B\n\u098C\uFFFF\r\uFFFF\u098F"
    u"\u0990\uFFFF\uFFFF\u0993\u0994\u0995\u0996\u0997\u0998\u0999\u099A\uFFFF\u099B\u099C\u099D"
    u"\u099E"
    u" !\u099F\u09A0\u09A1\u09A2\u09A3\u09A4)(\u09A5\u09A6,\u09A7.\u09A8"
    u"0123456789:;\uFFFF\u09AA\u09AB?"
    u"\u09AC\u09AD\u09AE\u09AF\u09B0\uFFFF\u09B2\uFFFF\uFFFF\uFFFF\u09B6\u09B7\u09B8\u09B9\u09BC"
    u"\u09BD"
    u"\u09BE\u09BF\u09C0\u09C1\u09C2\u09C3\u09C4\uFFFF\uFFFF\u09C7\u09C8\uFFFF\uFFFF\u09CB\u09CC"
    u"\u09CD"
    u"\u09CEabcdefghijklmno"
    u"pqrstuvwxyz\u09D7\u09DC\u09DD\u09F0\u09F1";

constexpr std::u16string_view gujaratiLocking =
    u"\u0A81\u0A82\u0A83\u0A85\u0A86\u0A87\u0A88\u0A89\u0A8A\u0A8B\n\u0A8C\u0A8D\r\uFFFF\u0A8F"
    u"\u0A90\u0A91\uFFFF\u0A93\u0A94\u0A95\u0A96\u0A97\u0A98\u0A99\u0A9A\uFFFF\u0A9B\u0A9C\u0A9D"
    u"\u0A9E"
    u" !\u0A9F\u0AA0\u0AA1\u0AA2\u0AA3\u0AA4)(\u0AA5\u0AA6,\u0AA7.\u0AA8"
    u"0123456789:;\uFFFF\u0AAA\u0AAB?"
    u"\u0AAC\u0AAD\u0AAE\u0AAF\u0AB0\uFFFF\u0AB2\u0AB3\uFFFF\u0AB5\u0AB6\u0AB7\u0AB8\u0AB9\u0ABC"
    u"\u0ABD"
    u"\u0ABE\u0ABF\u0AC0\u0AC1\u0AC2\u0AC3\u0AC4\u0AC5\uFFFF\u0AC7\u0AC8\u0AC9\uFFFF\u0ACB\u0ACC"
    u"\u0ACD"
    u"\u0AD0abcdefghijklmno"
    u"pqrstuvwxyz\u0AE0\u0AE1\u0AE2\u0AE3\u0AF1";

constexpr std::u16string_view hindiLocking =
    u"\u0901\u0902\u0903\u0905\u0906\u0907\u0908\u0909\u090A\u090B\n\u090C\u090D\r\u090E\u090F"
    u"\u0910\u0911\u0912\u0913\u0914\u0915\u0916\u0917\u0918\u0919\u091A\uFFFF\u091B\u091C\u091D"
    u"\u091E"
    u" !\u091F\u0920\u0921\u0922\u0923\u0924)(\u0925\u0926,\u0927.\u0928"
    u"0123456789:;\u0929\u092A\u092B?"
    u"\u092C\u092D\u092E\u092F\u0930\u0931\u0932\u0933\u0934\u0935\u0936\u0937\u0938\u0939\u093C"
    u"\u093D"
    u"\u093E\u093F\u0940\u0941\u0942\u0943\u0944\u0945\u0946\u0947\u0948\u0949\u094A\u094B\u094C"
    u"\u094D"
    u"\u0950abcdefghijklmno"
    u"pqrstuvwxyz\u0972\u097B\u097C\u097E\u097F";

constexpr std::u16string_view kannadaLocking =
    u"\uFFFF\u0C82\u0C83\u0C85\u0C86\u0C87\u0C88\u0C89\u0C8A\u0C8B\n\u0C8C\uFFFF\r\u0C8E\u0C8F"
    u"\u0C90\uFFFF\u0C92\u0C93\u0C94\u0C95\u0C96\u0C97\u0C98\u0C99\u0C9A\uFFFF\u0C9B\u0C9C\u0C9D"
    u"\u0C9E"
    u" !\u0C9F\u0CA0\uFFFF\u0CA2\u0CA3\u0CA4)(\u0CA5\u0CA6,\u0CA7.\u0CA8"
    u"0123456789:;\uFFFF\u0CAA\u0CAB?"
    u"\u0CAC\u0CAD\u0CAE\u0CAF\u0CB0\u0CB1\u0CB2\u0CB3\uFFFF\u0CB5\u0CB6\u0CB7\u0CB8\u0CB9\u0CBC"
    u"\u0CBD"
    u"\u0CBE\u0CBF\u0CC0\u0CC1\u0CC2\u0CC3\u0CC4\uFFFF\u0CC6\u0CC7\u0CC8\uFFFF\u0CCA\u0CCB\u0CCC"
    u"\u0CCD"
    u"\u0CD5abcdefghijklmno"
    u"pqrstuvwxyz\u0CD6\u0CE0\u0CE1\u0CE2\u0CE3";

constexpr std::u16string_view malayalamLocking =
    u"\uFFFF\u0D02\u0D03\u0D05\u0D06\u0D07\u0D08\u0D09\u0D0A\u0D0B\n\u0D0C\uFFFF\r\u0D0E\u0D0F"
    u"\u0D10\uFFFF\u0D12\u0D13\u0D14\u0D15\u0D16\u0D17\u0D18\u0D19\u0D1A\uFFFF\u0D1B\u0D1C\u0D1D"
    u"\u0D1E"
    u" !\u0D1F\u0D20\u0D21\u0D22\u0D23\u0D24)(\u0D25\u0D26,\u0D27.\u0D28"
    u"0123456789:;\uFFFF\u0D2A\u0D2B?"
    u"\u0D2C\u0D2D\u0D2E\u0D2F\u0D30\u0D31\u0D32\u0D33\u0D34\u0D35\u0D36\u0D37\u0D38\u0D39\uFFFF"
    u"\u0D3D"
    u"\u0D3E\u0D3F\u0D40\u0D41\u0D42\u0D43\u0D44\uFFFF\u0D46\u0D47\u0D48\uFFFF\u0D4A\u0D4B\u0D4C"
    u"\u0D4D"
    u"\u0D57abcdefghijklmno"
    u"pqrstuvwxyz\u0D60\u0D61\u0D62\u0D63\u0D79";

constexpr std::u16string_view oriyaLocking =
    u"\u0B01\u0B02\u0B03\u0B05\u0B06\u0B07\u0B08\u0B09\u0B0A\u0B0B\n\u0B0C\uFFFF\r\uFFFF\u0B0F"
    u"\u0B10\uFFFF\uFFFF\u0B13\u0B14\u0B15\u0B16\u0B17\u0B18\u0B19\u0B1A\uFFFF\u0B1B\u0B1C\u0B1D"
    u"\u0B1E"
    u" !\u0B1F\u0B20\u0B21\u0B22\u0B23\u0B24)(\u0B25\u0B26,\u0B27.\u0B28"
    u"0123456789:;\uFFFF\u0B2A\u0B2B?"
    u"\u0B2C\u0B2D\u0B2E\u0B2F\u0B30\uFFFF\u0B32\u0B33\uFFFF\u0B35\u0B36\u0B37\u0B38\u0B39\u0B3C"
    u"\u0B3D"
    u"\u0B3E\u0B3F\u0B40\u0B41\u0B42\u0B43\u0B44\uFFFF\uFFFF\u0B47\u0B48\uFFFF\uFFFF\u0B4B\u0B4C"
    u"\u0B4D"
    u"\u0B56abcdefghijklmno"
    u"pqrstuvwxyz\u0B57\u0B60\u0B61\u0B62\u0B63";

constexpr std::u16string_view punjabiLocking =
    u"\u0A01\u0A02\u0A03\u0A05\u0A06\u0A07\u0A08\u0A09\u0A0A\uFFFF\n\uFFFF\uFFFF\r\uFFFF\u0A0F"
    u"\u0A10\uFFFF\uFFFF\u0A13\u0A14\u0A15\u0A16\u0A17\u0A18\u0A19\u0A1A\uFFFF\u0A1B\u0A1C\u0A1D"
    u"\u0A1E"
    u" !\u0A1F\u0A20\u0A21\u0A22\u0A23\u0A24)(\u0A25\u0A26,\u0A27.\u0A28"
    u"0123456789:;\uFFFF\u0A2A\u0A2B?"
    u"\u0A2C\u0A2D\u0A2E\u0A2F\u0A30\uFFFF\u0A32\u0A33\uFFFF\u0A35\u0A36\uFFFF\u0A38\u0A39\u0A3C"
    u"\uFFFF"
    u"\u0A3E\u0A3F\u0A40\u0A41\u0A42\uFFFF\uFFFF\uFFFF\uFFFF\u0A47\u0A48\uFFFF\uFFFF\u0A4B\u0A4C"
    u"\u0A4D"
    u"\u0A51abcdefghijklmno"
    u"pqrstuvwxyz\u0A70\u0A71\u0A72\u0A73\u0A74";

constexpr std::u16string_view tamilLocking =
    u"\uFFFF\u0B82\u0B83\u0B85\u0B86\u0B87\u0B88\u0B89\u0B8A\uFFFF\n\uFFFF\uFFFF\r\u0B8E\u0B8F"
    u"\u0B90\uFFFF\u0B92\u0B93\u0B94\u0B95\uFFFF\uFFFF\uFFFF\u0B99\u0B9A\uFFFF\uFFFF\u0B9C\uFFFF"
    u"\u0B9E"
    u" !\u0B9F\uFFFF\uFFFF\uFFFF\u0BA3\u0BA4)(\uFFFF\uFFFF,\uFFFF.\u0BA8"
    u"0123456789:;\u0BA9\u0BAA\uFFFF?"
    u"\uFFFF\uFFFF\u0BAE\u0BAF\u0BB0\u0BB1\u0BB2\u0BB3\u0BB4\u0BB5\u0BB6\u0BB7\u0BB8\u0BB9\uFFFF"
    u"\uFFFF"
    u"\u0BBE\u0BBF\u0BC0\u0BC1\u0BC2\uFFFF\uFFFF\uFFFF\u0BC6\u0BC7\u0BC8\uFFFF\u0BCA\u0BCB\u0BCC"
    u"\u0BCD"
    u"\u0BD0abcdefghijklmno"
    u"pqrstuvwxyz\u0BD7\u0BF0\u0BF1\u0BF2\u0BF9";

constexpr std::u16string_view teluguLocking =
    u"\u0C01\u0C02\u0C03\u0C05\u0C06\u0C07\u0C08\u0C09\u0C0A\u0C0B\n\u0C0C\uFFFF\r\u0C0E\u0C0F"
    u"\u0C10\uFFFF\u0C12\u0C13\u0C14\u0C15\u0C16\u0C17\u0C18\u0C19\u0C1A\uFFFF\u0C1B\u0C1C\u0C1D"
    u"\u0C1E"
    u" !\u0C1F\u0C20\u0C21\u0C22\u0C23\u0C24)(\u0C25\u0C26,\u0C27.\u0C28"
    u"0123456789:;\uFFFF\u0C2A\u0C2B?"
    u"\u0C2C\u0C2D\u0C2E\u0C2F\u0C30\u0C31\u0C32\u0C33\uFFFF\u0C35\u0C36\u0C37\u0C38\u0C39\uFFFF"
    u"\u0C3D"
    u"\u0C3E\u0C3F\u0C40\u0C41\u0C42\u0C43\u0C44\uFFFF\u0C46\u0C47\u0C48\uFFFF\u0C4A\u0C4B\u0C4C"
    u"\u0C4D"
    u"\u0C55abcdefghijklmno"
    u"pqrstuvwxyz\u0C56\u0C60\u0C61\u0C62\u0C63";

constexpr std::u16string_view urduLocking =
    u"\u0627\u0622\u0628\u067B\u0680\u067E\u06A6\u062A\u06C2\u067F\n\u0679\u067D\r\u067A\u067C"
    u"\u062B\u062C\u0681\u0684\u0683\u0685\u0686\u0687\u062D\u062E\u062F\uFFFF\u068C\u0688\u0689"
    u"\u068A"
    u" !\u068F\u068D\u0630\u0631\u0691\u0693)(\u0699\u0632,\u0696.\u0698"
    u"0123456789:;\u069A\u0633\u0634?"
    u"\u0635\u0636\u0637\u0638\u0639\u0641\u0642\u06A9\u06AA\u06AB\u06AF\u06B3\u06B1\u0644\u0645"
    u"\u0646"
    u"\u06BA\u06BB\u06BC\u0648\u06C4\u06D5\u06C1\u06BE\u0621\u06CC\u06D0\u06D2\u064D\u0650\u064F"
    u"\u0657"
    u"\u0654abcdefghijklmno"
    u"pqrstuvwxyz\u0655\u0651\u0653\u0656\u0670";

// Escape codes every Indian single shift table gives the same character; 0x0D is kept free.
constexpr ShiftedChar sharedSingle[] = {
    {0x00, u'@'},      {0x01, u'\u00A3'}, {0x02, u'$'},     {0x03, u'\u00A5'}, {0x04, u'\u00BF'},
    {0x05, u'"'},      {0x06, u'\u00A4'}, {0x07, u'%'},     {0x08, u'&'},      {0x09, u'\''},
    {0x0A, u'\f'},     {0x0B, u'*'},      {0x0C, u'+'},     {0x0E, u'-'},      {0x0F, u'/'},
    {0x10, u'<'},      {0x11, u'='},      {0x12, u'>'},     {0x13, u'\u00A1'}, {0x14, u'^'},
    {0x15, u'\u00A1'}, {0x16, u'_'},      {0x17, u'#'},     {0x18, u'*'},      {0x28, u'{'},
    {0x29, u'}'},      {0x2F, u'\\'},     {0x3C, u'['},     {0x3D, u'~'},      {0x3E, u']'},
    {0x40, u'|'},      {0x41, u'A'},      {0x42, u'B'},     {0x43, u'C'},      {0x44, u'D'},
    {0x45, u'E'},      {0x46, u'F'},      {0x47, u'G'},     {0x48, u'H'},      {0x49, u'I'},
    {0x4A, u'J'},      {0x4B, u'K'},      {0x4C, u'L'},     {0x4D, u'M'},      {0x4E, u'N'},
    {0x4F, u'O'},      {0x50, u'P'},      {0x51, u'Q'},     {0x52, u'R'},      {0x53, u'S'},
    {0x54, u'T'},      {0x55, u'U'},      {0x56, u'V'},     {0x57, u'W'},      {0x58, u'X'},
    {0x59, u'Y'},      {0x5A, u'Z'},      {0x65, u'\u20AC'}};

constexpr ShiftedChar bengaliSingle[] = {
    {0x19, u'\u09E6'}, {0x1A, u'\u09E7'}, {0x1C, u'\u09E8'}, {0x1D, u'\u09E9'}, {0x1E, u'\u09EA'},
    {0x1F, u'\u09EB'}, {0x20, u'\u09EC'}, {0x21, u'\u09ED'}, {0x22, u'\u09EE'}, {0x23, u'\u09EF'},
    {0x24, u'\u09DF'}, {0x25, u'\u09E0'}, {0x26, u'\u09E1'}, {0x27, u'\u09E2'}, {0x2A, u'\u09E3'},
    {0x2B, u'\u09F2'}, {0x2C, u'\u09F3'}, {0x2D, u'\u09F4'}, {0x2E, u'\u09F5'}, {0x30, u'\u09F6'},
    {0x31, u'\u09F7'}, {0x32, u'\u09F8'}, {0x33, u'\u09F9'}, {0x34, u'\u09FA'}};

constexpr ShiftedChar gujaratiSingle[] = {{0x19, u'\u0964'}, {0x1A, u'\u0965'}, {0x1C, u'\u0AE6'},
                                          {0x1D, u'\u0AE7'}, {0x1E, u'\u0AE8'}, {0x1F, u'\u0AE9'},
                                          {0x20, u'\u0AEA'}, {0x21, u'\u0AEB'}, {0x22, u'\u0AEC'},
                                          {0x23, u'\u0AED'}, {0x24, u'\u0AEE'}, {0x25, u'\u0AEF'}};

constexpr ShiftedChar hindiSingle[] = {
    {0x19, u'\u0964'}, {0x1A, u'\u0965'}, {0x1C, u'\u0966'}, {0x1D, u'\u0967'}, {0x1E, u'\u0968'},
    {0x1F, u'\u0969'}, {0x20, u'\u096A'}, {0x21, u'\u096B'}, {0x22, u'\u096C'}, {0x23, u'\u096D'},
    {0x24, u'\u096E'}, {0x25, u'\u096F'}, {0x26, u'\u0951'}, {0x27, u'\u0952'}, {0x2A, u'\u0953'},
    {0x2B, u'\u0954'}, {0x2C, u'\u0958'}, {0x2D, u'\u0959'}, {0x2E, u'\u095A'}, {0x30, u'\u095B'},
    {0x31, u'\u095C'}, {0x32, u'\u095D'}, {0x33, u'\u095E'}, {0x34, u'\u095F'}, {0x35, u'\u0960'},
    {0x36, u'\u0961'}, {0x37, u'\u0962'}, {0x38, u'\u0963'}, {0x39, u'\u0970'}, {0x3A, u'\u0971'}};

constexpr ShiftedChar kannadaSingle[] = {
    {0x19, u'\u0964'}, {0x1A, u'\u0965'}, {0x1C, u'\u0CE6'}, {0x1D, u'\u0CE7'}, {0x1E, u'\u0CE8'},
    {0x1F, u'\u0CE9'}, {0x20, u'\u0CEA'}, {0x21, u'\u0CEB'}, {0x22, u'\u0CEC'}, {0x23, u'\u0CED'},
    {0x24, u'\u0CEE'}, {0x25, u'\u0CEF'}, {0x26, u'\u0CDE'}, {0x27, u'\u0CF1'}, {0x2A, u'\u0CF2'}};

constexpr ShiftedChar malayalamSingle[] = {
    {0x19, u'\u0964'}, {0x1A, u'\u0965'}, {0x1C, u'\u0D66'}, {0x1D, u'\u0D67'}, {0x1E, u'\u0D68'},
    {0x1F, u'\u0D69'}, {0x20, u'\u0D6A'}, {0x21, u'\u0D6B'}, {0x22, u'\u0D6C'}, {0x23, u'\u0D6D'},
    {0x24, u'\u0D6E'}, {0x25, u'\u0D6F'}, {0x26, u'\u0D70'}, {0x27, u'\u0D71'}, {0x2A, u'\u0D72'},
    {0x2B, u'\u0D73'}, {0x2C, u'\u0D74'}, {0x2D, u'\u0D75'}, {0x2E, u'\u0D7A'}, {0x30, u'\u0D7B'},
    {0x31, u'\u0D7C'}, {0x32, u'\u0D7D'}, {0x33, u'\u0D7E'}, {0x34, u'\u0D7F'}};

constexpr ShiftedChar oriyaSingle[] = {
    {0x19, u'\u0964'}, {0x1A, u'\u0965'}, {0x1C, u'\u0B66'}, {0x1D, u'\u0B67'}, {0x1E, u'\u0B68'},
    {0x1F, u'\u0B69'}, {0x20, u'\u0B6A'}, {0x21, u'\u0B6B'}, {0x22, u'\u0B6C'}, {0x23, u'\u0B6D'},
    {0x24, u'\u0B6E'}, {0x25, u'\u0B6F'}, {0x26, u'\u0B5C'}, {0x27, u'\u0B5D'}, {0x2A, u'\u0B5F'},
    {0x2B, u'\u0B70'}, {0x2C, u'\u0B71'}};

constexpr ShiftedChar punjabiSingle[] = {
    {0x19, u'\u0964'}, {0x1A, u'\u0965'}, {0x1C, u'\u0A66'}, {0x1D, u'\u0A67'}, {0x1E, u'\u0A68'},
    {0x1F, u'\u0A69'}, {0x20, u'\u0A6A'}, {0x21, u'\u0A6B'}, {0x22, u'\u0A6C'}, {0x23, u'\u0A6D'},
    {0x24, u'\u0A6E'}, {0x25, u'\u0A6F'}, {0x26, u'\u0A59'}, {0x27, u'\u0A5A'}, {0x2A, u'\u0A5B'},
    {0x2B, u'\u0A5C'}, {0x2C, u'\u0A5E'}, {0x2D, u'\u0A75'}};

constexpr ShiftedChar tamilSingle[] = {
    {0x19, u'\u0964'}, {0x1A, u'\u0965'}, {0x1C, u'\u0BE6'}, {0x1D, u'\u0BE7'}, {0x1E, u'\u0BE8'},
    {0x1F, u'\u0BE9'}, {0x20, u'\u0BEA'}, {0x21, u'\u0BEB'}, {0x22, u'\u0BEC'}, {0x23, u'\u0BED'},
    {0x25, u'\u0BEF'}, {0x26, u'\u0BF3'}, {0x27, u'\u0BF4'}, {0x2A, u'\u0BF5'}, {0x2B, u'\u0BF6'},
    {0x2C, u'\u0BF7'}, {0x2D, u'\u0BF8'}, {0x2E, u'\u0BFA'}};

constexpr ShiftedChar teluguSingle[] = {
    {0x1C, u'\u0C66'}, {0x1D, u'\u0C67'}, {0x1E, u'\u0C68'}, {0x1F, u'\u0C69'}, {0x20, u'\u0C6A'},
    {0x21, u'\u0C6B'}, {0x22, u'\u0C6C'}, {0x23, u'\u0C6D'}, {0x24, u'\u0C6E'}, {0x25, u'\u0C6F'},
    {0x26, u'\u0C58'}, {0x27, u'\u0C59'}, {0x2A, u'\u0C78'}, {0x2B, u'\u0C79'}, {0x2C, u'\u0C7A'},
    {0x2D, u'\u0C7B'}, {0x2E, u'\u0C7C'}, {0x30, u'\u0C7D'}, {0x31, u'\u0C7E'}, {0x32, u'\u0C7F'}};

constexpr ShiftedChar urduSingle[] = {
    {0x19, u'\u0600'}, {0x1A, u'\u0601'}, {0x1C, u'\u06F0'}, {0x1D, u'\u06F1'}, {0x1E, u'\u06F2'},
    {0x1F, u'\u06F3'}, {0x20, u'\u06F4'}, {0x21, u'\u06F5'}, {0x22, u'\u06F6'}, {0x23, u'\u06F7'},
    {0x24, u'\u06F8'}, {0x25, u'\u06F9'}, {0x26, u'\u060C'}, {0x27, u'\u060D'}, {0x2A, u'\u060E'},
    {0x2B, u'\u060F'}, {0x2C, u'\u0610'}, {0x2D, u'\u0611'}, {0x2E, u'\u0612'}, {0x30, u'\u0613'},
    {0x31, u'\u0614'}, {0x32, u'\u061B'}, {0x33, u'\u061F'}, {0x34, u'\u0640'}, {0x35, u'\u0652'},
    {0x36, u'\u0658'}, {0x37, u'\u066B'}, {0x38, u'\u066C'}, {0x39, u'\u0672'}, {0x3A, u'\u0673'},
    {0x3B, u'\u06CD'}, {0x3F, u'\u06D4'}};

static_assert(bengaliLocking.size() == 128 && gujaratiLocking.size() == 128 &&
              hindiLocking.size() == 128 && kannadaLocking.size() == 128 &&
              malayalamLocking.size() == 128 && oriyaLocking.size() == 128 &&
              punjabiLocking.size() == 128 && tamilLocking.size() == 128 &&
              teluguLocking.size() == 128 && urduLocking.size() == 128);

} // namespace

std::u16string_view indianLockingTable(NationalLanguage language)
{
    using L = NationalLanguage;
    switch (language) {
    case L::Bengali:
        return bengaliLocking;
    case L::Gujarati:
        return gujaratiLocking;
    case L::Hindi:
        return hindiLocking;
    case L::Kannada:
        return kannadaLocking;
    case L::Malayalam:
        return malayalamLocking;
    case L::Oriya:
        return oriyaLocking;
    case L::Punjabi:
        return punjabiLocking;
    case L::Tamil:
        return tamilLocking;
    case L::Telugu:
        return teluguLocking;
    case L::Urdu:
        return urduLocking;
    default:
        return {};
    }
}

std::span<const ShiftedChar> indianSingleShifts(NationalLanguage language)
{
    using L = NationalLanguage;
    switch (language) {
    case L::Bengali:
        return bengaliSingle;
    case L::Gujarati:
        return gujaratiSingle;
    case L::Hindi:
        return hindiSingle;
    case L::Kannada:
        return kannadaSingle;
    case L::Malayalam:
        return malayalamSingle;
    case L::Oriya:
        return oriyaSingle;
    case L::Punjabi:
        return punjabiSingle;
    case L::Tamil:
        return tamilSingle;
    case L::Telugu:
        return teluguSingle;
    case L::Urdu:
        return urduSingle;
    default:
        return {};
    }
}

std::span<const ShiftedChar> indianSharedSingleShifts()
{
    return sharedSingle;
}
