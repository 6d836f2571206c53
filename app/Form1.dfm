object Form1: TForm1
  Left = 192
  Top = 107
  Width = 723
  Height = 550
  Caption = 'Klangor'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 9
    Top = 444
    Width = 132
    Height = 13
    Caption = 'Nb de fichiers / Nb of Files :'
  end
  object Label2: TLabel
    Left = 9
    Top = 46
    Width = 138
    Height = 13
    Caption = 'Liste des fichiers / List of files'
  end
  object Label4: TLabel
    Left = 10
    Top = 5
    Width = 147
    Height = 13
    Caption = 'Chemin de RBR / Path of RBR'
  end
  object PC1: TProgressCyl
    Left = 7
    Top = 487
    Width = 693
    Height = 22
    BackBorderColor = clBlack
    BackColor = clBtnFace
    BackStyle.IntensityRGB = 255
    BackStyle.Intensity = 4.0
    BackStyle.IntensityFactor = -1.0
    BackStyle.RangeRGB = 255
    BackStyle.ColorRGB = 255
    BackStyle.ColorFactor = -1.0
    BackStyle.LightAngle = -3.0
    BevelColor = clBtnFace
    BevelInner = bvNone
    BevelOuter = bvNone
    BevelWidth = 1
    BorderWidth = 1
    Color = clBtnFace
    CylinderEffect = ceMaximum
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    FontEffect = feShadowBottomRight
    FontOrientation = foLeftToRight
    FontShadowColor = clBtnFace
    ForeColor = clBlue
    ForeLineColor = clHighlight
    ForeStyle.IntensityRGB = 255
    ForeStyle.Intensity = 4.0
    ForeStyle.IntensityFactor = -1.0
    ForeStyle.RangeRGB = 255
    ForeStyle.ColorRGB = 255
    ForeStyle.ColorFactor = -1.0
    ForeStyle.LightAngle = -3.0
    Max = 100
    Orientation = pbHorizontal
    ParentFont = False
    Position = 30
    ProEffect = peCustom
    ShowText = True
    Text = '%'
    TextDone = 'Termin'#233' / Done'
    Step = 1
    StopAtMax = True
  end
  object Label33: TLabel
    Left = 338
    Top = 45
    Width = 272
    Height = 14
    Caption = 'Valeurs d''origine de Audio.ini / Original values for Audi.ini'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object bButton1: TbButton
    Left = 254
    Top = 462
    Width = 167
    Height = 18
    Caption = 'Modifier les fichiers / Modify files'
    Color = clLime
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
    Style = 'XP'
    ImageMode = 'Center'
    TabStop = False
    OnClick = bButton1Click
  end
  object bButton2: TbButton
    Left = 615
    Top = 462
    Width = 81
    Height = 18
    Caption = 'Quitter / Quit'
    Color = clRed
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWhite
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
    Style = 'XP'
    ImageMode = 'Center'
    TabStop = False
    OnClick = bButton2Click
  end
  object Edit2: TEdit
    Left = 8
    Top = 21
    Width = 663
    Height = 21
    AutoSize = False
    TabOrder = 0
    OnKeyDown = Edit2KeyDown
  end
  object GroupBox1: TGroupBox
    Left = 254
    Top = 60
    Width = 443
    Height = 43
    Caption = ' [OPTIONS::SOUNDS] '
    TabOrder = 1
    object Label3: TLabel
      Left = 12
      Top = 18
      Width = 140
      Height = 13
      Caption = 'NumberChannels (0 ou/or 32)'
    end
    object Label62: TLabel
      Left = 225
      Top = 17
      Width = 6
      Height = 14
      Caption = '0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Edit1: TEdit
      Left = 160
      Top = 15
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 0
    end
    object CheckBox1: TCheckBox
      Left = 256
      Top = 16
      Width = 117
      Height = 17
      Caption = 'EnableEQOnCars'
      TabOrder = 1
    end
  end
  object GroupBox2: TGroupBox
    Left = 254
    Top = 116
    Width = 443
    Height = 339
    Caption = ' [AMP::SOUNDS] '
    TabOrder = 2
    object Label5: TLabel
      Left = 13
      Top = 21
      Width = 8
      Height = 13
      Caption = 'Engine'
    end
    object Label6: TLabel
      Left = 13
      Top = 43
      Width = 8
      Height = 13
      Caption = 'EngineTransmission'
    end
    object Label7: TLabel
      Left = 13
      Top = 66
      Width = 8
      Height = 13
      Caption = 'TransmissionDiff'
    end
    object Label8: TLabel
      Left = 13
      Top = 89
      Width = 8
      Height = 13
      Caption = 'Turbo'
    end
    object Label9: TLabel
      Left = 13
      Top = 112
      Width = 8
      Height = 13
      Caption = 'BlowOffValve'
    end
    object Label10: TLabel
      Left = 13
      Top = 134
      Width = 8
      Height = 13
      Caption = 'DriveShaftBroken'
    end
    object Label11: TLabel
      Left = 13
      Top = 157
      Width = 8
      Height = 13
      Caption = 'GravelParticles'
    end
    object Label12: TLabel
      Left = 13
      Top = 180
      Width = 8
      Height = 13
      Caption = 'Squeeks'
    end
    object Label13: TLabel
      Left = 13
      Top = 203
      Width = 8
      Height = 13
      Caption = 'Suspension'
    end
    object Label14: TLabel
      Left = 13
      Top = 225
      Width = 8
      Height = 13
      Caption = 'Horn'
    end
    object Label15: TLabel
      Left = 13
      Top = 248
      Width = 8
      Height = 13
      Caption = 'Helicopter'
    end
    object Label16: TLabel
      Left = 13
      Top = 271
      Width = 8
      Height = 13
      Caption = 'Bird'
    end
    object Label17: TLabel
      Left = 13
      Top = 294
      Width = 8
      Height = 13
      Caption = 'Wind'
    end
    object Label18: TLabel
      Left = 13
      Top = 317
      Width = 8
      Height = 13
      Caption = 'EnviormentalReflections'
    end
    object Label19: TLabel
      Left = 256
      Top = 21
      Width = 8
      Height = 13
      Caption = 'Offtrack'
    end
    object Label20: TLabel
      Left = 256
      Top = 43
      Width = 8
      Height = 13
      Caption = 'Pop'
    end
    object Label21: TLabel
      Left = 256
      Top = 66
      Width = 8
      Height = 13
      Caption = 'ExhaustPop'
    end
    object Label22: TLabel
      Left = 256
      Top = 89
      Width = 8
      Height = 13
      Caption = 'Bang'
    end
    object Label23: TLabel
      Left = 256
      Top = 112
      Width = 8
      Height = 13
      Caption = 'Ignition'
    end
    object Label24: TLabel
      Left = 256
      Top = 134
      Width = 8
      Height = 13
      Caption = 'Enginefire'
    end
    object Label25: TLabel
      Left = 256
      Top = 157
      Width = 8
      Height = 13
      Caption = 'BrokenCooler'
    end
    object Label26: TLabel
      Left = 256
      Top = 180
      Width = 8
      Height = 13
      Caption = 'WiperEngine'
    end
    object Label27: TLabel
      Left = 256
      Top = 203
      Width = 8
      Height = 13
      Caption = 'Wiper'
    end
    object Label28: TLabel
      Left = 256
      Top = 225
      Width = 8
      Height = 13
      Caption = 'Impacts'
    end
    object Label29: TLabel
      Left = 256
      Top = 248
      Width = 8
      Height = 13
      Caption = 'ImpactScreams'
    end
    object Label30: TLabel
      Left = 256
      Top = 271
      Width = 8
      Height = 13
      Caption = 'Servicepark_BG'
    end
    object Label31: TLabel
      Left = 256
      Top = 294
      Width = 8
      Height = 13
      Caption = 'Servicepark_FX'
    end
    object Label32: TLabel
      Left = 256
      Top = 317
      Width = 8
      Height = 13
      Caption = 'Rain'
    end
    object Label34: TLabel
      Left = 202
      Top = 20
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label35: TLabel
      Left = 202
      Top = 111
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label36: TLabel
      Left = 202
      Top = 133
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label37: TLabel
      Left = 202
      Top = 156
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label38: TLabel
      Left = 202
      Top = 179
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label39: TLabel
      Left = 202
      Top = 202
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label40: TLabel
      Left = 202
      Top = 316
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label41: TLabel
      Left = 408
      Top = 20
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label42: TLabel
      Left = 408
      Top = 111
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label43: TLabel
      Left = 408
      Top = 133
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label44: TLabel
      Left = 408
      Top = 156
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label45: TLabel
      Left = 408
      Top = 224
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label46: TLabel
      Left = 408
      Top = 270
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label47: TLabel
      Left = 408
      Top = 293
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label48: TLabel
      Left = 408
      Top = 316
      Width = 8
      Height = 14
      Caption = '1.0'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label49: TLabel
      Left = 202
      Top = 42
      Width = 8
      Height = 14
      Caption = '0.35'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label50: TLabel
      Left = 202
      Top = 88
      Width = 8
      Height = 14
      Caption = '0.2'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label51: TLabel
      Left = 202
      Top = 65
      Width = 8
      Height = 14
      Caption = '0.35'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label52: TLabel
      Left = 202
      Top = 224
      Width = 8
      Height = 14
      Caption = '0.5'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label53: TLabel
      Left = 408
      Top = 247
      Width = 8
      Height = 14
      Caption = '0.5'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label54: TLabel
      Left = 202
      Top = 293
      Width = 8
      Height = 14
      Caption = '0.5'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label55: TLabel
      Left = 408
      Top = 42
      Width = 8
      Height = 14
      Caption = '0.5'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label56: TLabel
      Left = 408
      Top = 65
      Width = 8
      Height = 14
      Caption = '0.5'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label57: TLabel
      Left = 408
      Top = 88
      Width = 8
      Height = 14
      Caption = '0.5'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label58: TLabel
      Left = 202
      Top = 270
      Width = 8
      Height = 14
      Caption = '0.25'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label59: TLabel
      Left = 408
      Top = 202
      Width = 8
      Height = 14
      Caption = '0.25'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label60: TLabel
      Left = 408
      Top = 179
      Width = 8
      Height = 14
      Caption = '0.25'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Label61: TLabel
      Left = 202
      Top = 247
      Width = 8
      Height = 14
      Caption = '0.3'
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clBlue
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
    end
    object Edit3: TEdit
      Left = 137
      Top = 18
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 0
    end
    object Edit4: TEdit
      Left = 137
      Top = 40
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 1
    end
    object Edit5: TEdit
      Left = 137
      Top = 63
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 2
    end
    object Edit6: TEdit
      Left = 137
      Top = 86
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 3
    end
    object Edit7: TEdit
      Left = 137
      Top = 109
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 4
    end
    object Edit8: TEdit
      Left = 137
      Top = 131
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 5
    end
    object Edit9: TEdit
      Left = 137
      Top = 154
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 6
    end
    object Edit10: TEdit
      Left = 137
      Top = 177
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 7
    end
    object Edit11: TEdit
      Left = 137
      Top = 200
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 8
    end
    object Edit12: TEdit
      Left = 137
      Top = 222
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 9
    end
    object Edit13: TEdit
      Left = 137
      Top = 245
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 10
    end
    object Edit14: TEdit
      Left = 137
      Top = 268
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 11
    end
    object Edit15: TEdit
      Left = 137
      Top = 291
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 12
    end
    object Edit16: TEdit
      Left = 137
      Top = 314
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 13
    end
    object Edit17: TEdit
      Left = 343
      Top = 18
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 14
    end
    object Edit18: TEdit
      Left = 343
      Top = 40
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 15
    end
    object Edit19: TEdit
      Left = 343
      Top = 63
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 16
    end
    object Edit20: TEdit
      Left = 343
      Top = 86
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 17
    end
    object Edit21: TEdit
      Left = 343
      Top = 109
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 18
    end
    object Edit22: TEdit
      Left = 343
      Top = 131
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 19
    end
    object Edit23: TEdit
      Left = 343
      Top = 154
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 20
    end
    object Edit24: TEdit
      Left = 343
      Top = 177
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 21
    end
    object Edit25: TEdit
      Left = 343
      Top = 200
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 22
    end
    object Edit26: TEdit
      Left = 343
      Top = 222
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 23
    end
    object Edit27: TEdit
      Left = 343
      Top = 245
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 24
    end
    object Edit28: TEdit
      Left = 343
      Top = 268
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 25
    end
    object Edit29: TEdit
      Left = 343
      Top = 291
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 26
    end
    object Edit30: TEdit
      Left = 343
      Top = 314
      Width = 59
      Height = 22
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      TabOrder = 27
    end
  end
  object CLB: TLMDCheckListBox
    Left = 9
    Top = 61
    Width = 233
    Height = 382
    ItemHeight = 16
    ItemIndex = 0
    Layout.Alignment = agTopLeft
    MultiSelect = True
    SelectedColor = clRed
    TabOrder = 3
  end
  object bButton3: TbButton
    Left = 9
    Top = 462
    Width = 163
    Height = 18
    Caption = 'D'#233'cocher tout / Uncheck all'
    Color = 16777088
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
    Style = 'XP'
    ImageMode = 'Center'
    TabStop = False
    OnClick = bButton3Click
  end
  object bButton4: TbButton
    Left = 427
    Top = 462
    Width = 182
    Height = 18
    Caption = 'Valeur par d'#233'faut / Default values'
    Color = clYellow
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
    Style = 'XP'
    ImageMode = 'Center'
    TabStop = False
    OnClick = bButton4Click
  end
  object bButton5: TbButton
    Left = 677
    Top = 21
    Width = 20
    Height = 21
    Caption = '->'
    Color = clLime
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
    Style = 'XP'
    ImageMode = 'Center'
    TabStop = False
    OnClick = bButton5Click
  end
  object CheckBox2: TCheckBox
    Left = 357
    Top = 104
    Width = 236
    Height = 17
    Caption = 'Valeurs > 1.0 valides / Values > 1.0 are valid'
    TabOrder = 4
  end
  object BFC_Dir1: TBFC_Dir
    FileName = '*.ini'
    PathInName = False
  end
  object RegistryReader1: TRegistryReader
    RootKey = rkHKEY_LOCAL_MACHINE
    Key = '\SOFTWARE\SCi Games\Richard Burns Rally\InstallPath\'
    CanCreate = True
  end
  object Profile1: TProfile
    Category = 'OPTIONS::SOUNDS'
    KeyName = 'NumberChannels'
    Action = paWrite
  end
  object VersionChecker1: TVersionChecker
    URLCurrVerFile = 'https://downloads.klangor.invalid/curr_ver.txt'
    SiteName = 'https://downloads.klangor.invalid/'
    FailureDlg = True
    DownloadDlg = True
    TempFile = '%TEMP%\version.txt'
  end
end
