object kelPropertyIndexEditor: TForm
  Left = 248
  Top = 263
  Width = 149
  Height = 201
  BorderIcons = [biSystemMenu]
  Caption = 'Property Index'
  Scaled = False
  object sgIndexes: TStringGrid
    Left = 0
    Top = 0
    Width = 141
    Height = 136
    Align = alClient
    Color = clBtnFace
    ColCount = 2
    DefaultRowHeight = 16
    FixedRows = 0
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goEditing, goAlwaysShowEditor]
    TabOrder = 0
  end
  object Panel1: TPanel
    Left = 0
    Top = 136
    Width = 141
    Height = 38
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 1
    object btClose: TButton
      Left = 0
      Top = 8
      Width = 141
      Height = 25
      Caption = 'Close'
      ModalResult = 1
      TabOrder = 0
    end
  end
end
