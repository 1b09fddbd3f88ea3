#include "sim/NationalTables.h"

#include <array>
#include <utility>

namespace sim {

namespace {

// By septet, rows of sixteen; the escape's slot (0x1B) is never read.
constexpr char16_t kTurkishLocking[] =
    u"@\u00A3$\u00A5\u20AC\u00E9\u00F9\u0131\u00F2\u00C7\n\u011E\u011F\r\u00C5\u00E5"
    u"\u0394_\u03A6\u0393\u039B\u03A9\u03A0\u03A8\u03A3\u0398\u039E \u015E\u015F\u00DF\u00C9"
    u" !\"#\u00A4%&'()*+,-./0123456789:;<=>?"
    u"\u0130ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00D1\u00DC\u00A7"
    u"\u00E7abcdefghijklmnopqrstuvwxyz\u00E4\u00F6\u00F1\u00FC\u00E0";
constexpr char16_t kPortugueseLocking[] =
    u"@\u00A3$\u00A5\u00EA\u00E9\u00FA\u00ED\u00F3\u00E7\n\u00D4\u00F4\r\u00C1\u00E1"
    u"\u0394_\u00AA\u00C7\u00C0\u221E^\\\u20AC\u00D3| \u00C2\u00E2\u00CA\u00C9"
    u" !\"#\u00BA%&'()*+,-./0123456789:;<=>?"
    u"\u00CDABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C3\u00D5\u00DA\u00DC\u00A7"
    u"~abcdefghijklmnopqrstuvwxyz\u00E3\u00F5`\u00FC\u00E0";
static_assert(std::size(kTurkishLocking) == 129 && std::size(kPortugueseLocking) == 129);

using Shift = std::pair<quint8, char16_t>;

// The escape table entries every single shift table shares.
constexpr std::array<Shift, 9> kCommon = {{{0x0A, u'\f'},
                                           {0x14, u'^'},
                                           {0x28, u'{'},
                                           {0x29, u'}'},
                                           {0x2F, u'\\'},
                                           {0x3C, u'['},
                                           {0x3D, u'~'},
                                           {0x3E, u']'},
                                           {0x40, u'|'}}};

constexpr Shift kTurkishSingle[] = {{0x47, u'\u011E'}, {0x49, u'\u0130'}, {0x53, u'\u015E'},
                                    {0x63, u'\u00E7'}, {0x65, u'\u20AC'}, {0x67, u'\u011F'},
                                    {0x69, u'\u0131'}, {0x73, u'\u015F'}};
constexpr Shift kSpanishSingle[] = {
    {0x09, u'\u00E7'}, {0x41, u'\u00C1'}, {0x49, u'\u00CD'}, {0x4F, u'\u00D3'}, {0x55, u'\u00DA'},
    {0x61, u'\u00E1'}, {0x65, u'\u20AC'}, {0x69, u'\u00ED'}, {0x6F, u'\u00F3'}, {0x75, u'\u00FA'}};
constexpr Shift kPortugueseSingle[] = {
    {0x05, u'\u00EA'}, {0x09, u'\u00E7'}, {0x0B, u'\u00D4'}, {0x0C, u'\u00F4'}, {0x0E, u'\u00C1'},
    {0x0F, u'\u00E1'}, {0x12, u'\u03A6'}, {0x13, u'\u0393'}, {0x15, u'\u03A9'}, {0x16, u'\u03A0'},
    {0x17, u'\u03A8'}, {0x18, u'\u03A3'}, {0x19, u'\u0398'}, {0x1F, u'\u00CA'}, {0x41, u'\u00C0'},
    {0x49, u'\u00CD'}, {0x4F, u'\u00D3'}, {0x55, u'\u00DA'}, {0x5B, u'\u00C3'}, {0x5C, u'\u00D5'},
    {0x61, u'\u00C2'}, {0x65, u'\u20AC'}, {0x69, u'\u00ED'}, {0x6F, u'\u00F3'}, {0x75, u'\u00FA'},
    {0x7B, u'\u00E3'}, {0x7C, u'\u00F5'}, {0x7F, u'\u00E2'}};

// The Indian languages, 4 Bengali to 13 Urdu: whole tables by septet, rows of sixteen, 0
// where a table has nothing.
constexpr char16_t kBengaliLocking[] =
    u"\u0981\u0982\u0983\u0985\u0986\u0987\u0988\u0989\u098A\u098B\n\u098C\0\r\0\u098F"
    u"\u0990\0\0\u0993\u0994\u0995\u0996\u0997\u0998\u0999\u099A\0\u099B\u099C\u099D\u099E"
    u" !\u099F\u09A0\u09A1\u09A2\u09A3\u09A4)(\u09A5\u09A6,\u09A7.\u09A8"
    u"0123456789:;\0\u09AA\u09AB?"
    u"\u09AC\u09AD\u09AE\u09AF\u09B0\0\u09B2\0\0\0\u09B6\u09B7\u09B8\u09B9\u09BC\u09BD"
    u"\u09BE\u09BF\u09C0\u09C1\u09C2\u09C3\u09C4\0\0\u09C7\u09C8\0\0\u09CB\u09CC\u09CD"
    u"\u09CEabcdefghijklmno"
    u"pqrstuvwxyz\u09D7\u09DC\u09DD\u09F0\u09F1";
constexpr char16_t kBengaliSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u09E6\u09E7\0\u09E8\u09E9\u09EA\u09EB"
    u"\u09EC\u09ED\u09EE\u09EF\u09DF\u09E0\u09E1\u09E2{}\u09E3\u09F2\u09F3\u09F4\u09F5\\"
    u"\u09F6\u09F7\u09F8\u09F9\u09FA\0\0\0\0\0\0\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kGujaratiLocking[] =
    u"\u0A81\u0A82\u0A83\u0A85\u0A86\u0A87\u0A88\u0A89\u0A8A\u0A8B\n\u0A8C\u0A8D\r\0\u0A8F"
    u"\u0A90\u0A91\0\u0A93\u0A94\u0A95\u0A96\u0A97\u0A98\u0A99\u0A9A\0\u0A9B\u0A9C\u0A9D\u0A9E"
    u" !\u0A9F\u0AA0\u0AA1\u0AA2\u0AA3\u0AA4)(\u0AA5\u0AA6,\u0AA7.\u0AA8"
    u"0123456789:;\0\u0AAA\u0AAB?"
    u"\u0AAC\u0AAD\u0AAE\u0AAF\u0AB0\0\u0AB2\u0AB3\0\u0AB5\u0AB6\u0AB7\u0AB8\u0AB9\u0ABC\u0ABD"
    u"\u0ABE\u0ABF\u0AC0\u0AC1\u0AC2\u0AC3\u0AC4\u0AC5\0\u0AC7\u0AC8\u0AC9\0\u0ACB\u0ACC\u0ACD"
    u"\u0AD0abcdefghijklmno"
    u"pqrstuvwxyz\u0AE0\u0AE1\u0AE2\u0AE3\u0AF1";
constexpr char16_t kGujaratiSingle[] = u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
                                       u"<=>\u00A1^\u00A1_#*\u0964\u0965\0\u0AE6\u0AE7\u0AE8\u0AE9"
                                       u"\u0AEA\u0AEB\u0AEC\u0AED\u0AEE\u0AEF\0\0{}\0\0\0\0\0\\"
                                       u"\0\0\0\0\0\0\0\0\0\0\0\0[~]\0"
                                       u"|ABCDEFGHIJKLMNO"
                                       u"PQRSTUVWXYZ\0\0\0\0\0"
                                       u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
                                       u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kHindiLocking[] =
    u"\u0901\u0902\u0903\u0905\u0906\u0907\u0908\u0909\u090A\u090B\n\u090C\u090D\r\u090E\u090F"
    u"\u0910\u0911\u0912\u0913\u0914\u0915\u0916\u0917\u0918\u0919\u091A\0\u091B\u091C\u091D\u091E"
    u" !\u091F\u0920\u0921\u0922\u0923\u0924)(\u0925\u0926,\u0927.\u0928"
    u"0123456789:;\u0929\u092A\u092B?"
    u"\u092C\u092D\u092E\u092F\u0930\u0931\u0932\u0933\u0934\u0935\u0936\u0937\u0938\u0939\u093C"
    u"\u093D"
    u"\u093E\u093F\u0940\u0941\u0942\u0943\u0944\u0945\u0946\u0947\u0948\u0949\u094A\u094B\u094C"
    u"\u094D"
    u"\u0950abcdefghijklmno"
    u"pqrstuvwxyz\u0972\u097B\u097C\u097E\u097F";
constexpr char16_t kHindiSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u0964\u0965\0\u0966\u0967\u0968\u0969"
    u"\u096A\u096B\u096C\u096D\u096E\u096F\u0951\u0952{}\u0953\u0954\u0958\u0959\u095A\\"
    u"\u095B\u095C\u095D\u095E\u095F\u0960\u0961\u0962\u0963\u0970\u0971\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kKannadaLocking[] =
    u"\0\u0C82\u0C83\u0C85\u0C86\u0C87\u0C88\u0C89\u0C8A\u0C8B\n\u0C8C\0\r\u0C8E\u0C8F"
    u"\u0C90\0\u0C92\u0C93\u0C94\u0C95\u0C96\u0C97\u0C98\u0C99\u0C9A\0\u0C9B\u0C9C\u0C9D\u0C9E"
    u" !\u0C9F\u0CA0\u0CAA\u0CA2\u0CA3\u0CA4)(\u0CA5\u0CA6,\u0CA7.\u0CA8"
    u"0123456789:;\0\u0CAA\u0CAB?"
    u"\u0CAC\u0CAD\u0CAE\u0CAF\u0CB0\u0CB1\u0CB2\u0CB3\0\u0CB5\u0CB6\u0CB7\u0CB8\u0CB9\u0CBC\u0CBD"
    u"\u0CBE\u0CBF\u0CC0\u0CC1\u0CC2\u0CC3\u0CC4\0\u0CC6\u0CC7\u0CC8\0\u0CCA\u0CCB\u0CCC\u0CCD"
    u"\u0CD5abcdefghijklmno"
    u"pqrstuvwxyz\u0CD6\u0CE0\u0CE1\u0CE2\u0CE3";
constexpr char16_t kKannadaSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u0964\u0965\0\u0CE6\u0CE7\u0CE8\u0CE9"
    u"\u0CEA\u0CEB\u0CEC\u0CED\u0CEE\u0CEF\u0CDE\u0CF1{}\u0CF2\0\0\0\0\\"
    u"\0\0\0\0\0\0\0\0\0\0\0\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kMalayalamLocking[] =
    u"\0\u0D02\u0D03\u0D05\u0D06\u0D07\u0D08\u0D09\u0D0A\u0D0B\n\u0D0C\0\r\u0D0E\u0D0F"
    u"\u0D10\0\u0D12\u0D13\u0D14\u0D15\u0D16\u0D17\u0D18\u0D19\u0D1A\0\u0D1B\u0D1C\u0D1D\u0D1E"
    u" !\u0D1F\u0D20\u0D21\u0D22\u0D23\u0D24)(\u0D25\u0D26,\u0D27.\u0D28"
    u"0123456789:;\0\u0D2A\u0D2B?"
    u"\u0D2C\u0D2D\u0D2E\u0D2F\u0D30\u0D31\u0D32\u0D33\u0D34\u0D35\u0D36\u0D37\u0D38\u0D39\0\u0D3D"
    u"\u0D3E\u0D3F\u0D40\u0D41\u0D42\u0D43\u0D44\0\u0D46\u0D47\u0D48\0\u0D4A\u0D4B\u0D4C\u0D4D"
    u"\u0D57abcdefghijklmno"
    u"pqrstuvwxyz\u0D60\u0D61\u0D62\u0D63\u0D79";
constexpr char16_t kMalayalamSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u0964\u0965\0\u0D66\u0D67\u0D68\u0D69"
    u"\u0D6A\u0D6B\u0D6C\u0D6D\u0D6E\u0D6F\u0D70\u0D71{}\u0D72\u0D73\u0D74\u0D75\u0D7A\\"
    u"\u0D7B\u0D7C\u0D7D\u0D7E\u0D7F\0\0\0\0\0\0\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kOriyaLocking[] =
    u"\u0B01\u0B02\u0B03\u0B05\u0B06\u0B07\u0B08\u0B09\u0B0A\u0B0B\n\u0B0C\0\r\0\u0B0F"
    u"\u0B10\0\0\u0B13\u0B14\u0B15\u0B16\u0B17\u0B18\u0B19\u0B1A\0\u0B1B\u0B1C\u0B1D\u0B1E"
    u" !\u0B1F\u0B20\u0B21\u0B22\u0B23\u0B24)(\u0B25\u0B26,\u0B27.\u0B28"
    u"0123456789:;\0\u0B2A\u0B2B?"
    u"\u0B2C\u0B2D\u0B2E\u0B2F\u0B30\0\u0B32\u0B33\0\u0B35\u0B36\u0B37\u0B38\u0B39\u0B3C\u0B3D"
    u"\u0B3E\u0B3F\u0B40\u0B41\u0B42\u0B43\u0B44\0\0\u0B47\u0B48\0\0\u0B4B\u0B4C\u0B4D"
    u"\u0B56abcdefghijklmno"
    u"pqrstuvwxyz\u0B57\u0B60\u0B61\u0B62\u0B63";
constexpr char16_t kOriyaSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u0964\u0965\0\u0B66\u0B67\u0B68\u0B69"
    u"\u0B6A\u0B6B\u0B6C\u0B6D\u0B6E\u0B6F\u0B5C\u0B5D{}\u0B5F\u0B70\u0B71\0\0\\"
    u"\0\0\0\0\0\0\0\0\0\0\0\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kPunjabiLocking[] =
    u"\u0A01\u0A02\u0A03\u0A05\u0A06\u0A07\u0A08\u0A09\u0A0A\0\n\0\0\r\0\u0A0F"
    u"\u0A10\0\0\u0A13\u0A14\u0A15\u0A16\u0A17\u0A18\u0A19\u0A1A\0\u0A1B\u0A1C\u0A1D\u0A1E"
    u" !\u0A1F\u0A20\u0A21\u0A22\u0A23\u0A24)(\u0A25\u0A26,\u0A27.\u0A28"
    u"0123456789:;\0\u0A2A\u0A2B?"
    u"\u0A2C\u0A2D\u0A2E\u0A2F\u0A30\0\u0A32\u0A33\0\u0A35\u0A36\0\u0A38\u0A39\u0A3C\0"
    u"\u0A3E\u0A3F\u0A40\u0A41\u0A42\0\0\0\0\u0A47\u0A48\0\0\u0A4B\u0A4C\u0A4D"
    u"\u0A51abcdefghijklmno"
    u"pqrstuvwxyz\u0A70\u0A71\u0A72\u0A73\u0A74";
constexpr char16_t kPunjabiSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u0964\u0965\0\u0A66\u0A67\u0A68\u0A69"
    u"\u0A6A\u0A6B\u0A6C\u0A6D\u0A6E\u0A6F\u0A59\u0A5A{}\u0A5B\u0A5C\u0A5E\u0A75\0\\"
    u"\0\0\0\0\0\0\0\0\0\0\0\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kTamilLocking[] =
    u"\0\u0B82\u0B83\u0B85\u0B86\u0B87\u0B88\u0B89\u0B8A\0\n\0\0\r\u0B8E\u0B8F"
    u"\u0B90\0\u0B92\u0B93\u0B94\u0B95\0\0\0\u0B99\u0B9A\0\0\u0B9C\0\u0B9E"
    u" !\u0B9F\0\0\0\u0BA3\u0BA4)(\0\0,\0.\u0BA8"
    u"0123456789:;\u0BA9\u0BAA\0?"
    u"\0\0\u0BAE\u0BAF\u0BB0\u0BB1\u0BB2\u0BB3\u0BB4\u0BB5\u0BB6\u0BB7\u0BB8\u0BB9\0\0"
    u"\u0BBE\u0BBF\u0BC0\u0BC1\u0BC2\0\0\0\u0BC6\u0BC7\u0BC8\0\u0BCA\u0BCB\u0BCC\u0BCD"
    u"\u0BD0abcdefghijklmno"
    u"pqrstuvwxyz\u0BD7\u0BF0\u0BF1\u0BF2\u0BF9";
constexpr char16_t kTamilSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u0964\u0965\0\u0BE6\u0BE7\u0BE8\u0BE9"
    u"\u0BEA\u0BEB\u0BEC\u0BED\u0BEE\u0BEF\u0BF3\u0BF4{}\u0BF5\u0BF6\u0BF7\u0BF8\u0BFA\\"
    u"\0\0\0\0\0\0\0\0\0\0\0\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kTeluguLocking[] =
    u"\u0C01\u0C02\u0C03\u0C05\u0C06\u0C07\u0C08\u0C09\u0C0A\u0C0B\n\u0C0C\0\r\u0C0E\u0C0F"
    u"\u0C10\0\u0C12\u0C13\u0C14\u0C15\u0C16\u0C17\u0C18\u0C19\u0C1A\0\u0C1B\u0C1C\u0C1D\u0C1E"
    u" !\u0C1F\u0C20\u0C21\u0C22\u0C23\u0C24)(\u0C25\u0C26,\u0C27.\u0C28"
    u"0123456789:;\0\u0C2A\u0C2B?"
    u"\u0C2C\u0C2D\u0C2E\u0C2F\u0C30\u0C31\u0C32\u0C33\0\u0C35\u0C36\u0C37\u0C38\u0C39\0\u0C3D"
    u"\u0C3E\u0C3F\u0C40\u0C41\u0C42\u0C43\u0C44\0\u0C46\u0C47\u0C48\0\u0C4A\u0C4B\u0C4C\u0C4D"
    u"\u0C55abcdefghijklmno"
    u"pqrstuvwxyz\u0C56\u0C60\u0C61\u0C62\u0C63";
constexpr char16_t kTeluguSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\0\0\0\u0C66\u0C67\u0C68\u0C69"
    u"\u0C6A\u0C6B\u0C6C\u0C6D\u0C6E\u0C6F\u0C58\u0C59{}\u0C78\u0C79\u0C7A\u0C7B\u0C7C\\"
    u"\u0C7D\u0C7E\u0C7F\0\0\0\0\0\0\0\0\0[~]\0"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";
constexpr char16_t kUrduLocking[] =
    u"\u0627\u0622\u0628\u067B\u0680\u067E\u06A6\u062A\u06C2\u067F\n\u0679\u067D\r\u067A\u067C"
    u"\u062B\u062C\u0681\u0684\u0683\u0685\u0686\u0687\u062D\u062E\u062F\0\u068C\u0688\u0689\u068A"
    u" !\u068F\u068D\u0630\u0631\u0691\u0693)(\u0699\u0632,\u0696.\u0698"
    u"0123456789:;\u069A\u0633\u0634?"
    u"\u0635\u0636\u0637\u0638\u0639\u0641\u0642\u06A9\u06AA\u06AB\u06AF\u06B3\u06B1\u0644\u0645"
    u"\u0646"
    u"\u06BA\u06BB\u06BC\u0648\u06C4\u06D5\u06C1\u06BE\u0621\u06CC\u06D0\u06D2\u064D\u0650\u064F"
    u"\u0657"
    u"\u0654abcdefghijklmno"
    u"pqrstuvwxyz\u0655\u0651\u0653\u0656\u0670";
constexpr char16_t kUrduSingle[] =
    u"@\u00A3$\u00A5\u00BF\"\u00A4%&'\f*+\0-/"
    u"<=>\u00A1^\u00A1_#*\u0600\u0601\0\u06F0\u06F1\u06F2\u06F3"
    u"\u06F4\u06F5\u06F6\u06F7\u06F8\u06F9\u060C\u060D{}\u060E\u060F\u0610\u0611\u0612\\"
    u"\u0613\u0614\u061B\u061F\u0640\u0652\u0658\u066B\u066C\u0672\u0673\u06CD[~]\u06D4"
    u"|ABCDEFGHIJKLMNO"
    u"PQRSTUVWXYZ\0\0\0\0\0"
    u"\0\0\0\0\0\u20AC\0\0\0\0\0\0\0\0\0\0"
    u"\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0";

struct IndianTables
{
    const char16_t* locking;
    const char16_t* single;
};

constexpr IndianTables kIndian[] = {
    {kBengaliLocking, kBengaliSingle},     {kGujaratiLocking, kGujaratiSingle},
    {kHindiLocking, kHindiSingle},         {kKannadaLocking, kKannadaSingle},
    {kMalayalamLocking, kMalayalamSingle}, {kOriyaLocking, kOriyaSingle},
    {kPunjabiLocking, kPunjabiSingle},     {kTamilLocking, kTamilSingle},
    {kTeluguLocking, kTeluguSingle},       {kUrduLocking, kUrduSingle},
};

static_assert(std::size(kBengaliLocking) == 129 && std::size(kBengaliSingle) == 129 &&
              std::size(kGujaratiLocking) == 129 && std::size(kGujaratiSingle) == 129 &&
              std::size(kHindiLocking) == 129 && std::size(kHindiSingle) == 129 &&
              std::size(kKannadaLocking) == 129 && std::size(kKannadaSingle) == 129 &&
              std::size(kMalayalamLocking) == 129 && std::size(kMalayalamSingle) == 129 &&
              std::size(kOriyaLocking) == 129 && std::size(kOriyaSingle) == 129 &&
              std::size(kPunjabiLocking) == 129 && std::size(kPunjabiSingle) == 129 &&
              std::size(kTamilLocking) == 129 && std::size(kTamilSingle) == 129 &&
              std::size(kTeluguLocking) == 129 && std::size(kTeluguSingle) == 129 &&
              std::size(kUrduLocking) == 129 && std::size(kUrduSingle) == 129);

const IndianTables* indian(int language)
{
    return language >= 4 && language <= 13 ? &kIndian[language - 4] : nullptr;
}

template <class Table> std::optional<char16_t> find(const Table& table, quint8 code)
{
    for (const auto& [septet, ch] : table)
        if (septet == code)
            return ch;
    return std::nullopt;
}

} // namespace

std::optional<char16_t> lockingShiftChar(int language, quint8 code)
{
    code &= 0x7F;
    if (const IndianTables* tables = indian(language))
        return tables->locking[code] != 0 ? tables->locking[code] : u' ';
    switch (language) {
    case 1:
        return kTurkishLocking[code];
    case 3:
        return kPortugueseLocking[code];
    default:
        return std::nullopt;
    }
}

std::optional<char16_t> singleShiftChar(int language, quint8 code)
{
    code &= 0x7F;
    if (const IndianTables* tables = indian(language)) {
        if (tables->single[code] != 0)
            return tables->single[code];
        return std::nullopt;
    }
    std::optional<char16_t> own;
    switch (language) {
    case 1:
        own = find(kTurkishSingle, code);
        break;
    case 2:
        own = find(kSpanishSingle, code);
        break;
    case 3:
        own = find(kPortugueseSingle, code);
        break;
    default:
        return std::nullopt;
    }
    return own ? own : find(kCommon, code);
}

} // namespace sim
