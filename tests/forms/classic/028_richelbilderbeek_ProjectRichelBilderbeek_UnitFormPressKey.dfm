object FormPressKey: TFormPressKey
  Left = 250
  Top = 210
  BorderStyle = bsNone
  Caption = 'FormPressKey'
  ClientHeight = 189
  ClientWidth = 480
  Color = clBtnFace
  Font.Charset = ANSI_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Courier New'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = False
  Position = poScreenCenter
  OnKeyDown = FormKeyDown
  PixelsPerInch = 96
  TextHeight = 14
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 480
    Height = 189
    Align = alClient
    Caption = 'Panel1'
    TabOrder = 0
  end
end
