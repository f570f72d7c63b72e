{ Independent oracle for the component stream tests: Free Pascal's Classes unit reads and writes
  the same binary and text formats.
  fpcoracle to-binary IN OUT   text to binary (ObjectTextToBinary)
  fpcoracle to-text IN OUT     binary to text (ObjectBinaryToText)
  fpcoracle values IN OUT      a fixed table of values written with TWriter (IN is unused) }
program fpcoracle;
{$mode objfpc}{$H+}
uses Classes, SysUtils;

procedure WriteValues(const FileName: string);
var
  Stream: TFileStream;
  W: TWriter;
  I: Integer;
const
  Integers: array[0..12] of Int64 = (0, 127, -128, 128, -129, 32767, -32768, 32768,
    2147483647, -2147483648, 2147483648, -2147483649, High(Int64));
begin
  Stream := TFileStream.Create(FileName, fmCreate);
  W := TWriter.Create(Stream, 4096);
  try
    W.WriteSignature;
    for I := Low(Integers) to High(Integers) do W.WriteInteger(Integers[I]);
    W.WriteFloat(0.5);
    W.WriteFloat(474);
    W.WriteFloat(-1.25e10);
    W.WriteFloat(0.1);
    W.WriteSingle(1.5);
    W.WriteSingle(-0.1);
    W.WriteDate(2.25);
    W.WriteCurrency(1.2345);
    W.WriteString('abc');
    W.WriteString(StringOfChar('q', 300));
    W.WriteWideString('a' + WideChar($4E2D));
    W.WriteIdent('alClient');
    W.WriteIdent('False');
    W.WriteIdent('true');
    W.WriteIdent('nil');
    W.WriteIdent('NULL');
    W.WriteBoolean(True);
    W.WriteListBegin;
    W.WriteInteger(1);
    W.WriteListEnd;
  finally
    W.Free;
    Stream.Free;
  end;
end;

procedure Convert(const Mode, InName, OutName: string);
var
  Input, Output: TFileStream;
begin
  Input := TFileStream.Create(InName, fmOpenRead);
  Output := TFileStream.Create(OutName, fmCreate);
  try
    if Mode = 'to-binary' then ObjectTextToBinary(Input, Output) else ObjectBinaryToText(Input, Output);
  finally
    Output.Free;
    Input.Free;
  end;
end;

begin
  if ParamStr(1) = 'values' then WriteValues(ParamStr(3))
  else Convert(ParamStr(1), ParamStr(2), ParamStr(3));
end.
