// THintWindow: the small window that shows a hint near the mouse.
#pragma once

#include <string>

#include "host/controls/wincontrol.h"

namespace host {

class THintWindow : public TCustomControl {
  HOST_CLASS(THintWindow, TCustomControl)
  using TCreateArg = TComponent;
  explicit THintWindow(TComponent* AOwner);

  // Shows AHint in Rect (screen coordinates).
  virtual void ActivateHint(const TRect& Rect, const std::string& AHint);
  void ActivateHintData(const TRect& Rect, const std::string& AHint, void* AData);
  // The rectangle (at 0, 0) that shows AHint wrapped at MaxWidth.
  virtual TRect CalcHintRect(int32_t MaxWidth, const std::string& AHint, void* AData);
  // Whether a message should hide the hint (input of mouse or keys).
  virtual bool IsHintMsg(TMessage& Msg);
  void ReleaseHandle();
  bool GetActive() const { return FActive; }

 protected:
  ~THintWindow() override = default;
  void Paint() override;
  // A frameless window above the others that never takes the activation.
  void CreateParams(TCreateParams& Params) override;

 private:
  bool FActive = false;
};

}  // namespace host
