// TRichEdit: a memo whose text may carry character and paragraph formats.
// Here it edits plain text exactly as a memo does (Lines, WordWrap,
// ScrollBars; Lines.Strings in form files): rich text is not parsed, so
// Lines read with RTF in them keep the raw RTF text.
//
// DefAttributes is the format of text without a format of its own: its
// Color, Name, Size, Height, Style and Charset are those of the control's
// Font, so setting them changes how the text shows. SelAttributes is the
// format of the selection: its values are kept (they start as the Font's)
// and read back, but they do not change how the text shows. Paragraph's
// Alignment aligns the whole text (it is the memo's Alignment); its indents
// and numbering are kept only. PlainText and HideScrollBars are kept for
// form files and programs that ask.
#pragma once

#include <cstdint>
#include <string>

#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/texts.h"

namespace host {

class TCustomRichEdit;

enum TNumberingStyle : uint8_t { nsNone, nsBullet };
HOST_ENUM_INFO(TNumberingStyle, "nsNone", "nsBullet")

// A character format: a view of a font (the control's own for
// DefAttributes, one of its own for SelAttributes).
class TTextAttributes : public TPersistent {
  HOST_CLASS(TTextAttributes, TPersistent)
  TTextAttributes(TCustomRichEdit* AOwner, TFont* AFont) : FOwner(AOwner), FFont(AFont) {}

  TPersistent* GetOwner() override;
  TColor GetColor() const { return FFont->GetColor(); }
  void SetColor(TColor Value) { FFont->SetColor(Value); }
  const std::string& GetName() const { return FFont->GetName(); }
  void SetName(const std::string& Value) { FFont->SetName(Value); }
  int32_t GetSize() const { return FFont->GetSize(); }
  void SetSize(int32_t Value) { FFont->SetSize(Value); }
  int32_t GetHeight() const { return FFont->GetHeight(); }
  void SetHeight(int32_t Value) { FFont->SetHeight(Value); }
  TFontStyles GetStyle() const { return FFont->GetStyle(); }
  void SetStyle(TFontStyles Value) { FFont->SetStyle(Value); }
  TFontCharset GetCharset() const { return FFont->GetCharset(); }
  void SetCharset(TFontCharset Value) { FFont->SetCharset(Value); }
  // From a font or another format.
  void Assign(TPersistent* Source) override;
  // To a font.
  void AssignTo(TPersistent* Dest) override;

 protected:
  ~TTextAttributes() override = default;

 private:
  TCustomRichEdit* FOwner;
  TFont* FFont;
};

class TParaAttributes : public TPersistent {
  HOST_CLASS(TParaAttributes, TPersistent)
  explicit TParaAttributes(TCustomRichEdit* AOwner) : FOwner(AOwner) {}

  TPersistent* GetOwner() override;
  TAlignment GetAlignment() const;
  void SetAlignment(TAlignment Value);
  int32_t GetFirstIndent() const { return FFirstIndent; }
  void SetFirstIndent(int32_t Value) { FFirstIndent = Value; }
  int32_t GetLeftIndent() const { return FLeftIndent; }
  void SetLeftIndent(int32_t Value) { FLeftIndent = Value; }
  int32_t GetRightIndent() const { return FRightIndent; }
  void SetRightIndent(int32_t Value) { FRightIndent = Value; }
  TNumberingStyle GetNumbering() const { return FNumbering; }
  void SetNumbering(TNumberingStyle Value);
  void Assign(TPersistent* Source) override;

 protected:
  ~TParaAttributes() override = default;

 private:
  TCustomRichEdit* FOwner;
  int32_t FFirstIndent = 0;
  int32_t FLeftIndent = 0;
  int32_t FRightIndent = 0;
  TNumberingStyle FNumbering = nsNone;
};

class TCustomRichEdit : public TCustomMemo {
  HOST_CLASS(TCustomRichEdit, TCustomMemo)
  using TCreateArg = TComponent;
  explicit TCustomRichEdit(TComponent* AOwner);

  TTextAttributes* GetDefAttributes() const { return FDefAttributes; }
  void SetDefAttributes(TTextAttributes* Value) { FDefAttributes->Assign(Value); }
  TTextAttributes* GetSelAttributes() const { return FSelAttributes; }
  void SetSelAttributes(TTextAttributes* Value) { FSelAttributes->Assign(Value); }
  TParaAttributes* GetParagraph() const { return FParagraph; }
  bool GetPlainText() const { return FPlainText; }
  void SetPlainText(bool Value) { FPlainText = Value; }
  bool GetHideScrollBars() const { return FHideScrollBars; }
  void SetHideScrollBars(bool Value) { FHideScrollBars = Value; }

 protected:
  ~TCustomRichEdit() override = default;
  void Destroy() override;

 private:
  TFont* FSelFont = nullptr;
  TTextAttributes* FDefAttributes = nullptr;
  TTextAttributes* FSelAttributes = nullptr;
  TParaAttributes* FParagraph = nullptr;
  bool FPlainText = false;
  bool FHideScrollBars = true;
};

class TRichEdit : public TCustomRichEdit {
  HOST_CLASS(TRichEdit, TCustomRichEdit)
  using TCreateArg = TComponent;
  explicit TRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {}

 protected:
  ~TRichEdit() override = default;
};

}  // namespace host
