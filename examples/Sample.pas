{ Sample.pas - a small weather-station unit used to try Codelume.

  It keeps the last readings of a station in a ring buffer, checks the
  packets that arrive from the sensors and writes a short text report. }
unit Sample;

{$MODE DELPHI}
{$H+}
{$IFDEF DEBUG} {$ASSERTIONS ON} {$ENDIF}

interface

uses
  SysUtils, Classes;

const
  MaxReadings = 64;            // must stay a power of two
  PacketMagic = $5AA5;         { first word of every sensor packet }
  CrcSeed = $FFFF;
  CrcPolynomial = $A001;
  FreezingPoint = 273.15;      (* kelvin *)
  CrLf = #13#10;
  Tab = #9;
  Degree = #176;
  ReportTitle = 'Station report'#13#10'=============='#13#10;

type
  TSensorKind = (skTemperature, skHumidity, skPressure, skWind);
  TSensorKinds = set of TSensorKind;

  TReading = packed record
    Kind: TSensorKind;
    Value: Double;
    TakenAt: TDateTime;
  end;

  EStationError = class(Exception);

  { TReadingBuffer keeps the newest MaxReadings readings; older ones are
    overwritten. Count never exceeds MaxReadings. }
  TReadingBuffer = class
  private
    FItems: array[0..MaxReadings - 1] of TReading;
    FHead: Integer;
    FCount: Integer;
    function GetItem(Index: Integer): TReading;
  public
    procedure Add(const AReading: TReading);
    procedure Clear;
    function Average(Kind: TSensorKind): Double;
    property Count: Integer read FCount;
    property Items[Index: Integer]: TReading read GetItem; default;
  end;

  TReportEvent = procedure(Sender: TObject; const Line: string) of object;

  TStation = class(TComponent)
  private
    FName: string;
    FReadings: TReadingBuffer;
    FEnabled: TSensorKinds;
    FOnReport: TReportEvent;
  protected
    procedure DoReport(const Line: string); virtual;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function Accept(const Packet: array of Byte): Boolean;
    procedure WriteReport(Lines: TStrings);
  published
    property Name: string read FName write FName;
    property Enabled: TSensorKinds read FEnabled write FEnabled
      default [skTemperature, skHumidity];
    property OnReport: TReportEvent read FOnReport write FOnReport;
  end;

function PacketCrc(const Data: array of Byte; Count: Integer): Word;
function KindName(Kind: TSensorKind): string;

implementation

const
  KindNames: array[TSensorKind] of string =
    ('temperature', 'humidity', 'pressure', 'wind');
  Units: array[TSensorKind] of string = (Degree + 'C', '%', 'hPa', 'm/s');

resourcestring
  SBadPacket = 'Packet rejected: %s';
  SNoReadings = 'no readings yet';

{ TReadingBuffer }

function TReadingBuffer.GetItem(Index: Integer): TReading;
begin
  if (Index < 0) or (Index >= FCount) then
    raise EStationError.CreateFmt('Reading %d is out of range', [Index]);
  // The oldest reading stands FCount places behind the head.
  Result := FItems[(FHead - FCount + Index) and (MaxReadings - 1)];
end;

procedure TReadingBuffer.Add(const AReading: TReading);
begin
  FItems[FHead] := AReading;
  FHead := (FHead + 1) and (MaxReadings - 1);
  if FCount < MaxReadings then
    Inc(FCount);
end;

procedure TReadingBuffer.Clear;
begin
  FHead := 0;
  FCount := 0;
end;

function TReadingBuffer.Average(Kind: TSensorKind): Double;
var
  I, Used: Integer;
  Sum: Double;
begin
  Sum := 0.0;
  Used := 0;
  for I := 0 to FCount - 1 do
    with Items[I] do
      if Kind = Self.Items[I].Kind then
      begin
        Sum := Sum + Value;
        Inc(Used);
      end;
  if Used = 0 then
    Result := 0
  else
    Result := Sum / Used;
end;

{ Helpers }

function PacketCrc(const Data: array of Byte; Count: Integer): Word;
var
  I, Bit: Integer;
begin
  Result := CrcSeed;
  for I := 0 to Count - 1 do
  begin
    Result := Result xor Data[I];
    for Bit := 1 to 8 do
      if Odd(Result) then
        Result := (Result shr 1) xor CrcPolynomial
      else
        Result := Result shr 1;
  end;
end;

function KindName(Kind: TSensorKind): string;
begin
  Result := KindNames[Kind];
end;

(* A packet is: magic word, kind byte, value as 1/100 units in a signed
   32-bit little-endian integer, then the CRC of everything before it.
   Total length: 2 + 1 + 4 + 2 = 9 bytes. *)
function DecodeValue(const Packet: array of Byte): Double;
var
  Raw: LongInt;
begin
  Raw := Packet[3] or (Packet[4] shl 8) or (Packet[5] shl 16) or (Packet[6] shl 24);
  Result := Raw / 100;
end;

{ TStation }

constructor TStation.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FReadings := TReadingBuffer.Create;
  FEnabled := [skTemperature, skHumidity];
  FName := 'Unnamed station';
end;

destructor TStation.Destroy;
begin
  FReadings.Free;
  inherited Destroy;
end;

procedure TStation.DoReport(const Line: string);
begin
  if Assigned(FOnReport) then
    FOnReport(Self, Line);
end;

function TStation.Accept(const Packet: array of Byte): Boolean;
var
  Reading: TReading;
  Crc: Word;
begin
  Result := False;
  if Length(Packet) <> 9 then
  begin
    DoReport(Format(SBadPacket, ['wrong length']));
    Exit;
  end;
  if (Packet[0] or (Packet[1] shl 8)) <> PacketMagic then
  begin
    DoReport(Format(SBadPacket, ['no magic word ($5AA5)']));
    Exit;
  end;
  Crc := Packet[7] or (Packet[8] shl 8);
  if Crc <> PacketCrc(Packet, 7) then
  begin
    DoReport(Format(SBadPacket, ['checksum mismatch']));
    Exit;
  end;
  if Packet[2] > Ord(High(TSensorKind)) then
    Exit;
  Reading.Kind := TSensorKind(Packet[2]);
  if not (Reading.Kind in FEnabled) then
    Exit;
  Reading.Value := DecodeValue(Packet);
  if Reading.Kind = skTemperature then
    Reading.Value := Reading.Value - FreezingPoint;
  Reading.TakenAt := Now;
  FReadings.Add(Reading);
  Result := True;
end;

procedure TStation.WriteReport(Lines: TStrings);
var
  Kind: TSensorKind;
  Text: string;
begin
  Lines.Add(ReportTitle + 'Station: "' + FName + '"');
  if FReadings.Count = 0 then
  begin
    Lines.Add(Tab + SNoReadings);
    Exit;
  end;
  for Kind := Low(TSensorKind) to High(TSensorKind) do
    if Kind in FEnabled then
    begin
      Text := Format('%s%-12s %8.2f %s', [Tab, KindName(Kind) + ':',
        FReadings.Average(Kind), Units[Kind]]);
      Lines.Add(Text);
    end;
  Lines.Add('Readings kept: ' + IntToStr(FReadings.Count) + ' of ' +
    IntToStr(MaxReadings) + CrLf + 'It''s <done> & sent.');
end;

initialization
  Assert(MaxReadings and (MaxReadings - 1) = 0, 'MaxReadings: power of two');
finalization
end.
