#include <gtest/gtest.h>

#include <string>

#include "classlib/core/MemoryStream.h"
#include "classlib/core/ObjectText.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/StringStream.h"

namespace {

std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string ToBinary(const std::string& text) {
  TStringStream in(text), out;
  ObjectTextToBinary(in, out);
  return out.DataString();
}

std::string ToText(const std::string& binary) {
  TStringStream in(binary), out;
  ObjectBinaryToText(in, out);
  return out.DataString();
}

std::string ParseError(const std::string& text) {
  try {
    ToBinary(text);
  } catch (const EParserError& e) {
    return e.Message();
  }
  return "no error";
}

// Every construct of the text form, laid out as the classic writer lays it out.
const std::string kLayout = Crlf(R"(object Form1: TForm1
  Left = 10
  Big = 10000000000
  Negative = -129
  Caption = 'It'#39's'
  Empty = ''
  Hint = )" "\n" R"(    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +
    'bbbb'
  Memo = )" "\n" R"(    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'#13#10 +
    'yyyyyy'
  Text = #31435#21363#26356#26032
  Mixed = 'OK '#20013'!'#233
  Opacity = 0.800000000000000000
  Width = 474.000000000000000000
  Small = 1.5s
  Money = 12345c
  When = 2.25d
  Visible = False
  Shown = True
  Ref = nil
  Nothing = Null
  OnClick = Button1Click
  Target = Form1.Button1
  Sides = [vgSideTop, vgSideLeft]
  Anchors = []
  Data = {
    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
    2021222324252627}
  Tiny = {0AFF}
  NoBytes = {}
  Lines.Strings = (
    'one'
    'two')
  NoItems = ()
  Points = <
    item
      Color = '#FF606060'
    end
    item [2]
      Color = '#FF303030'
      Offset = 1.000000000000000000
    end>
  NoPoints = <>
  object Panel1: TPanel
    Width = 5
    object Button1: TButton [0]
    end
  end
  inherited Inherited1: TFrame1
  end
  inline Frame1: TFrame2 [3]
  end
  object TLabel
  end
end
)");

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += char(b);
  return s;
}

}  // namespace

TEST(ObjectText, ClassicLayoutSurvivesBothWaysUnchanged) {
  std::string binary = ToBinary(kLayout);
  EXPECT_EQ(ToText(binary), kLayout);
  EXPECT_EQ(ToBinary(ToText(binary)), binary);
}

TEST(ObjectText, TextBecomesTheExpectedBytes) {
  struct Case {
    const char* text;
    std::string bytes;
  } cases[] = {
      {"object A: TB\n  X = 1\nend\n", Bytes({2, 'T', 'B', 1, 'A', 1, 'X', 2, 1, 0, 0})},
      {"object TB end", Bytes({2, 'T', 'B', 0, 0, 0})},
      {"inline A: TB [-1] end", Bytes({0xF6, 2, 0xFF, 2, 'T', 'B', 1, 'A', 0, 0})},
      {"object A: TB S = 'a'#200 end", Bytes({2, 'T', 'B', 1, 'A', 1, 'S', 18, 2, 0, 0, 0, 'a', 0, 200, 0, 0, 0})},
      {"object A: TB S = 'a'#127 + '\xE9' end", Bytes({2, 'T', 'B', 1, 'A', 1, 'S', 6, 3, 'a', 127, 0xE9, 0, 0})},
      {"object A: TB S = 'a' + #300 end", Bytes({2, 'T', 'B', 1, 'A', 1, 'S', 18, 2, 0, 0, 0, 'a', 0, 0x2C, 1, 0, 0})},
      {"object A: TB F.G = x.y end", Bytes({2, 'T', 'B', 1, 'A', 3, 'F', '.', 'G', 7, 3, 'x', '.', 'y', 0, 0})},
      {"object A: TB C = < item [1] end > end", Bytes({2, 'T', 'B', 1, 'A', 1, 'C', 14, 2, 1, 1, 0, 0, 0, 0})},
  };
  for (const auto& c : cases) EXPECT_EQ(ToBinary(c.text), "TPF0" + c.bytes) << c.text;
  EXPECT_EQ(ToBinary("object A: TB H = $FF end"), "TPF0" + Bytes({2, 'T', 'B', 1, 'A', 1, 'H', 3, 0xFF, 0, 0, 0}));
  EXPECT_EQ(ToBinary("object A: TB H = $FFFFFFFF end"),
            "TPF0" + Bytes({2, 'T', 'B', 1, 'A', 1, 'H', 19, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0}));
}

TEST(ObjectText, ReadsTextsOtherToolsWrite) {
  // Bare line feeds, odd spacing, keywords in any case, short floats and exponents.
  std::string text = "OBJECT Form1 : TForm1\n Width=474.0\n  Scale = 1.5E2\n\tMode=[ a ,b ]\n"
                     "  Items = ( 1 2 )\n  Quote = 'It''s'\n  OBJECT Child:TButton[ 1 ] END\nEnd\ntrailing text is ignored";
  std::string expected = ToBinary(Crlf("object Form1: TForm1\n  Width = 474.000000000000000000\n  Scale = "
                                       "150.000000000000000000\n  Mode = [a, b]\n  Items = (\n    1\n    2)\n"
                                       "  Quote = 'It'#39's'\n"
                                       "  object Child: TButton [1]\n  end\nend\n"));
  EXPECT_EQ(ToBinary(text), expected);
}

TEST(ObjectText, ParseErrorsNameTheLine) {
  struct Case {
    std::string text;
    const char* message;
  } cases[] = {
      {"", "Line 1: object expected"},
      {"objekt A: TB\nend", "Line 1: object expected"},
      {"object A: TB\n  X 1\nend", "Line 2: '=' expected"},
      {"object A: TB\n  X = 1\n", "Line 3: Identifier expected"},
      {"object A: TB\n  S = 'abc\nend", "Line 2: Invalid string constant"},
      {"object A: TB\n  S = #70000\nend", "Line 2: Invalid string constant"},
      {"object A: TB\n  S = 'a' + 1\nend", "Line 2: String expected"},
      {"object A: TB\n  B = {0A1}\nend", "Line 2: Invalid binary value"},
      {"object A: TB\n  B = {0A\n1}\nend", "Line 3: Invalid binary value"},
      {"object A: TB\n  N = 99999999999999999999\nend", "Line 2: Invalid numeric value"},
      {"object A: TB\n  N = 1e99999\nend", "Line 2: Invalid numeric value"},
      {"object A: TB\n  N = 1.2.3\nend", "Line 2: Invalid numeric value"},
      {"object A: TB\n  N = 1e30c\nend", "Line 2: Invalid numeric value"},
      {"object A: TB\n  N = 1e39s\nend", "Line 2: Invalid numeric value"},
      {"object A: TB\n  N = -1e309d\nend", "Line 2: Invalid numeric value"},
      {"object A: TB\n  L = (1\n    Null)\nend", "Line 3: Invalid property value"},
      {"object A: TB\n  N = -\nend", "Line 2: Invalid numeric value"},
      {"object A: TB\n  N = [a b]\nend", "Line 2: ',' expected"},
      {"object A: TB\n  L = (1 2\n", "Line 3: ')' expected"},
      {"object A: TB\n  C = <\n    itm\n  end>\nend", "Line 3: item expected"},
      {"object A: TB\n  X = )\nend", "Line 2: Invalid property value"},
      {"object A: TB\n  X = 1\n  object : TC end\nend", "Line 3: Identifier expected"},
      {"object A: TB [x] end", "Line 1: Number expected"},
      {std::string("object A: TB\n  X = \0 end", 22), "Line 2: Invalid character"},
      {"object A: TB\n  " + std::string(300, 'p') + " = 1\nend", "Line 2: Identifier too long"},
      {"object A: TB\n  X = " + std::string(100000, '('), "Line 2: Nesting too deep"},
      {"object A: TB\n  X = " + std::string(5000, '<') , "Line 2: item expected"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseError(c.text), c.message) << c.text.substr(0, 60);
  std::string deepObjects;
  for (int i = 0; i < 1000; ++i) deepObjects += "object A: TB\n";
  EXPECT_EQ(ParseError(deepObjects), "Line 257: Nesting too deep");
}

TEST(ObjectText, MalformedBinaryRaisesAndWritesNothing) {
  std::string binary = ToBinary(kLayout);
  for (size_t cut : {size_t(0), size_t(3), size_t(10), binary.size() / 2, binary.size() - 1}) {
    TStringStream in(binary.substr(0, cut)), out("kept");
    EXPECT_THROW(ObjectBinaryToText(in, out), EReadError) << cut;
    EXPECT_EQ(out.DataString(), "kept");
  }
  EXPECT_THROW(ToText("TPF1" + binary.substr(4)), EReadError);
  EXPECT_THROW(ToText("TPF0" + Bytes({1, 'T', 0, 1, 'X', 21})), EReadError);  // unknown value type
  std::string deep = "TPF0";
  for (int i = 0; i < 300; ++i) deep += Bytes({1, 'T', 0, 0});
  EXPECT_THROW(ToText(deep), EReadError);
}

TEST(ObjectText, ConvertsFromTheStreamPosition) {
  TStringStream in("junkobject A: TB end"), out("xx");
  in.SetPosition(4);
  out.SetPosition(2);
  ObjectTextToBinary(in, out);
  EXPECT_EQ(out.DataString(), "xxTPF0" + Bytes({2, 'T', 'B', 1, 'A', 0, 0}));
}
