object kelMethodParameterEditor: TForm
  Left = 225
  Top = 307
  Width = 132
  Height = 197
  BorderIcons = [biSystemMenu]
  Caption = 'Parameters'
  object lvParameters: TListView
    Left = 0
    Top = 0
    Width = 124
    Height = 170
    Align = alClient
    ReadOnly = True
    TabOrder = 0
    ViewStyle = vsSmallIcon
  end
end
