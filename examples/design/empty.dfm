object Form1: TForm
  Left = 120
  Top = 100
  Width = 320
  Height = 200
  Caption = 'Designed'
end
