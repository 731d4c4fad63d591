object Dialog: TForm
  Left = 10
  Top = 10
  Width = 300
  Height = 240
  object Pages: TPageControl
    Left = 4
    Top = 30
    Width = 280
    Height = 180
    ActivePage = Second
    Style = tsButtons
    object First: TTabSheet
      Caption = 'First'
      object Items: TListView
        Left = 2
        Top = 2
        Width = 200
        Height = 120
        ViewStyle = vsList
        Items.Data = ('one' 0 'two' 1)
      end
    end
    object Second: TTabSheet
      Caption = 'Second'
      object Grid: TStringGrid
        Left = 2
        Top = 2
        Width = 240
        Height = 120
        ColCount = 4
        RowCount = 3
        FixedCols = 1
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        ColWidths = (20 60 60 60)
      end
    end
  end
  object Bar: TToolBar
    Left = 0
    Top = 0
    Width = 300
    Height = 26
    ShowCaptions = True
    object NewButton: TToolButton
      Caption = 'New'
      Style = tbsDropDown
    end
    object Gap: TToolButton
      Style = tbsSeparator
    end
  end
end
