// The imglist unit of the host: image lists (many images of one size, kept
// as bitmaps with masks, drawn onto canvases by index) and the change links
// their users hold.
//
// A list builds its store of images (its Handle, see imagestore.h) on first
// use. Every change of the images or of a property that affects drawing
// tells the registered change links (TChangeLink::Change) and fires
// OnChange, at once or, inside BeginUpdate / EndUpdate, once at the end.
// Indexes out of range raise EListError "List index out of bounds (<n>)",
// bitmaps of the wrong size EInvalidOperation "Invalid image size: ...";
// a failing call leaves the list as it was.
//
// In form files a list streams its images as the binary property "Bitmap"
// (imglistio.cc describes the layout).
//
// Start-up order (each step counted, undone in reverse):
//   RegisterHostClasses();        host/classes
//   RegisterHeadlessWidgetSet(); InitializeWidgetSet();
//   RegisterGraphicsClasses();    host/graphics
//   RegisterImgListClasses();     this unit
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/classes/component.h"
#include "host/classes/resources.h"
#include "host/classes/typinfo.h"
#include "host/graphics/colors.h"
#include "host/imglist/imagestore.h"
#include "host/rtl/sets.h"

namespace host {

class TBitmap;
class TCanvas;
class TIcon;
class TStream;
class TCustomImageList;

enum TDrawingStyle : uint8_t { dsFocus, dsSelected, dsNormal, dsTransparent };
HOST_ENUM_INFO(TDrawingStyle, "dsFocus", "dsSelected", "dsNormal", "dsTransparent")
enum TImageType : uint8_t { itImage, itMask };
HOST_ENUM_INFO(TImageType, "itImage", "itMask")
enum TResType : uint8_t { rtBitmap, rtCursor, rtIcon };
enum TLoadResource : uint8_t { lrDefaultColor, lrDefaultSize, lrFromFile, lrMap3DColors, lrTransparent, lrMonoChrome };
using TLoadResources = TSet<TLoadResource, 6>;
// An overlay image number, 0..3.
using TOverlay = uint8_t;
// The index of an image in a list; -1 for none.
using TImageIndex = int32_t;
// A cursor number (the controls unit names them: crDefault, crDrag...).
using TCursor = int16_t;
// A window of the widgetset (see host/widgetset/wswindows.h).
using HWND = THandle;

// ---------------------------------------------------------------- TChangeLink

// Told about every change of the image list it is registered with.
class TChangeLink : public TObject {
  HOST_CLASS(TChangeLink, TObject)

  TChangeLink() = default;

  // The list the link is registered with; null when none. Setting it
  // registers the link with Value (null: unregisters it).
  TCustomImageList* GetSender() const { return FSender; }
  void SetSender(TCustomImageList* Value);
  // Fires OnChange with the list as Sender.
  virtual void Change();

  TNotifyEvent OnChange;

 protected:
  ~TChangeLink() override = default;
  // Unregisters from the list.
  void Destroy() override;

 private:
  friend class TCustomImageList;
  TCustomImageList* FSender = nullptr;
};

// ----------------------------------------------------------- TCustomImageList

class TCustomImageList : public TComponent {
  HOST_CLASS(TCustomImageList, TComponent)
  using TCreateArg = TComponent;

  // A list of 16 x 16 images.
  explicit TCustomImageList(TComponent* AOwner);
  // The classic CreateSize: a list without owner of AWidth x AHeight images.
  TCustomImageList(int32_t AWidth, int32_t AHeight);

  // Another image list: its properties and a copy of its images; null
  // frees the handle (the images go).
  void Assign(TPersistent* Source) override;

  // ------------------------------------------------------------- images
  int32_t GetCount() const;
  // Adds the images of Image (a strip of one or more images of the list's
  // size, left to right) with the transparency of Mask (white pixels are
  // transparent; null: all opaque). Returns the index of the first.
  int32_t Add(TBitmap* Image, TBitmap* Mask);
  // Adds an icon, scaled to the list's size; transparent where its mask is.
  int32_t AddIcon(TIcon* Image);
  // Adds copies of every image of Value (of the same size); null adds none.
  void AddImages(TCustomImageList* Value);
  // Adds the images of Image, transparent where they have MaskColor
  // (clDefault: the bitmap's TransparentColor; clNone: nowhere).
  int32_t AddMasked(TBitmap* Image, TColor MaskColor);
  void Insert(int32_t Index, TBitmap* Image, TBitmap* Mask);
  void InsertIcon(int32_t Index, TIcon* Image);
  void InsertMasked(int32_t Index, TBitmap* Image, TColor MaskColor);
  // Replaces image Index with Image, which must be exactly one image.
  void Replace(int32_t Index, TBitmap* Image, TBitmap* Mask);
  void ReplaceIcon(int32_t Index, TIcon* Image);
  void ReplaceMasked(int32_t Index, TBitmap* NewImage, TColor MaskColor);
  void Delete(int32_t Index);
  void Clear();
  // Moves image CurIndex to NewIndex; the images between move up or down.
  void Move(int32_t CurIndex, int32_t NewIndex);
  // Makes image ImageIndex the overlay image number Overlay (0..3).
  bool Overlay(int32_t ImageIndex, TOverlay Overlay);

  // ------------------------------------------------------------ drawing
  // Draws image Index with its top-left corner at (X, Y) in the list's
  // DrawingStyle and ImageType; a disabled image is drawn embossed in the
  // button shadow and highlight colours.
  void Draw(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Index, bool Enabled = true);
  void Draw(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Index, TDrawingStyle ADrawingStyle, TImageType AImageType,
            bool Enabled = true);
  // Draws image ImageIndex and over it the image chosen as overlay number
  // Overlay (nothing more when none is).
  void DrawOverlay(TCanvas* Canvas, int32_t X, int32_t Y, int32_t ImageIndex, TOverlay Overlay, bool Enabled = true);
  // Sizes Image to the list's images and draws image Index onto it.
  bool GetBitmap(int32_t Index, TBitmap* Image);
  // Makes Image an icon of image Index (transparent where the image is).
  void GetIcon(int32_t Index, TIcon* Image);
  // The point of an image that follows the mouse when dragging; (0, 0).
  virtual TPoint GetHotSpot() { return {}; }
  // The bitmaps of the images and of their masks, side by side (0 before
  // the list has a handle).
  HBITMAP GetImageBitmap();
  HBITMAP GetMaskBitmap();
  // Same size, same images, same masks.
  bool Equal(TCustomImageList* IL);

  // --------------------------------------------------------- resources
  // Each replaces the images with those of a bitmap (a strip of images as
  // wide as Width and as high as the bitmap), an icon or a cursor, found in
  // a file (FileLoad, lrFromFile) or among the resources of a module.
  // MaskColor names the transparent colour (clDefault: the top-left pixel's
  // colour with lrTransparent, none without; clNone: none). False, leaving
  // the list as it was, when the file or resource does not exist; bad data
  // raises.
  bool FileLoad(TResType ResType, const std::string& Name, TColor MaskColor);
  bool GetResource(TResType ResType, const std::string& Name, int32_t Width, TLoadResources LoadFlags,
                   TColor MaskColor);
  bool GetInstRes(HMODULE Instance, TResType ResType, const std::string& Name, int32_t Width, TLoadResources LoadFlags,
                  TColor MaskColor);
  bool ResourceLoad(TResType ResType, const std::string& Name, TColor MaskColor);
  bool ResInstLoad(HMODULE Instance, TResType ResType, const std::string& Name, TColor MaskColor);

  // ----------------------------------------------- change notification
  // Registers a link (taking it from any other list); a null link raises
  // EInvalidOperation.
  void RegisterChanges(TChangeLink* Value);
  // Drops the link; nothing happens when it is not registered here.
  void UnRegisterChanges(TChangeLink* Value);
  // Changes inside BeginUpdate / EndUpdate are told once, at the end.
  void BeginUpdate();
  void EndUpdate();

  // --------------------------------------------------------- properties
  // How many image slots the store grows by (at least 1).
  int32_t GetAllocBy() const { return FAllocBy; }
  void SetAllocBy(int32_t Value);
  // The colour dsFocus / dsSelected blend with; clNone lets the
  // destination show through instead, clDefault is clHighlight.
  TColor GetBlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor Value);
  // Drawn behind images in dsNormal; clNone draws them transparently.
  TColor GetBkColor() const { return FBkColor; }
  void SetBkColor(TColor Value);
  TDrawingStyle GetDrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle Value);
  // The size of the images. Setting either drops every image (and raises
  // EInvalidOperation for a size below 1 or beyond 32768).
  int32_t GetHeight() const;
  void SetHeight(int32_t Value);
  int32_t GetWidth() const;
  void SetWidth(int32_t Value);
  void SetSize(int32_t AWidth, int32_t AHeight);
  TImageType GetImageType() const { return FImageType; }
  void SetImageType(TImageType Value);
  // Whether images have transparent parts; an unmasked list draws and
  // keeps them opaque.
  bool GetMasked() const { return FMasked; }
  void SetMasked(bool Value);
  // Whether the handle outlives the list (for handles shared with others).
  bool GetShareImages() const { return FShareImages; }
  void SetShareImages(bool Value) { FShareImages = Value; }
  // The store of the images, made when first asked for.
  HIMAGELIST GetHandle();
  // Uses the store of another handle (0: none); raises EInvalidOperation
  // for a handle that is not live.
  void SetHandle(HIMAGELIST Value);
  bool HandleAllocated() const { return FStore != nullptr; }

  // The images stream as the binary property "Bitmap".
  void DefineProperties(TFiler* Filer) override;

  TNotifyEvent OnChange;

 protected:
  ~TCustomImageList() override = default;
  // Tells the links and fires OnChange (unless inside an update).
  virtual void Change();
  void Destroy() override;
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);

 private:
  imagelist::TImageStore& Store();
  void FreeHandle();
  void CheckIndex(int32_t Index) const;
  void CheckInsertIndex(int32_t Index) const;
  void CheckOverlay(TOverlay Overlay) const;
  // Prepares images for the store: opaque when the list is not masked.
  void InsertImages(int32_t Index, std::vector<imagelist::TImageData> Images);
  void ReplaceImage(int32_t Index, std::vector<imagelist::TImageData> Images);
  void ReplaceAll(int32_t AWidth, int32_t AHeight, std::vector<imagelist::TImageData> Images);
  template <class T>
  void SetDrawingProperty(T& Field, T Value);
  // drawing (imglistdraw.cc)
  imagelist::TImageData Composed(int32_t Index, TDrawingStyle Style, TImageType Type, bool Enabled);
  // resources (imglistio.cc)
  bool LoadImages(HMODULE Instance, TResType ResType, const std::string& Name, int32_t Width, TLoadResources LoadFlags,
                  TColor MaskColor);

  imagelist::TImageStore* FStore = nullptr;
  int32_t FWidth = 16;
  int32_t FHeight = 16;
  int32_t FAllocBy = 4;
  TColor FBlendColor = clNone;
  TColor FBkColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
  bool FMasked = true;
  bool FShareImages = false;
  int32_t FUpdateCount = 0;
  bool FChanged = false;
  std::vector<TChangeLink*> FClients;
};

// Sets a component's image-list property: Images (the field) becomes Value,
// and Link (the component's change link) and Client's free notification
// move from the old list to Value, so that Client hears of Value's changes
// and of its destruction. Returns false, changing nothing, when Images
// already is Value.
bool LinkImageList(TComponent* Client, TChangeLink* Link, TCustomImageList*& Images, TCustomImageList* Value);

// ----------------------------------------------------------- TDragImageList

// An image list that can show one of its images while something is dragged.
// The list keeps the drag's state (the window it shows over, the position,
// whether the image shows) itself, so a backend without an image window
// still follows the drag; the controls unit's drag machinery drives it.
class TDragImageList : public TCustomImageList {
  HOST_CLASS(TDragImageList, TCustomImageList)

  using TCustomImageList::TCustomImageList;

  // Chooses the image shown while dragging and its hot spot; false, changing
  // nothing, for an index out of range.
  bool SetDragImage(int32_t Index, int32_t HotSpotX, int32_t HotSpotY);
  TPoint GetHotSpot() override { return FDragHotspot; }
  int32_t GetDragIndex() const { return FDragIndex; }
  // Starts showing the drag image over Window at (X, Y) of its client area
  // (Window 0: at a screen point); false when no image is chosen or a drag
  // runs already.
  bool BeginDrag(HWND Window, int32_t X, int32_t Y);
  bool BeginDrag(int32_t X, int32_t Y) { return BeginDrag(0, X, Y); }
  bool DragMove(int32_t X, int32_t Y);
  bool EndDrag();
  // Moves the running drag's image over Window (shown at (XPos, YPos)) and
  // keeps it there until DragUnlock hides it; false when no drag runs or the
  // image is locked to Window already.
  bool DragLock(HWND Window, int32_t XPos, int32_t YPos);
  void DragUnlock();
  void HideDragImage();
  void ShowDragImage();
  bool GetDragging() const { return FDragging; }
  // The window the drag image shows over (0: the screen).
  HWND GetDragWindow() const { return FDragWindow; }
  // Where the drag image's top-left corner is while dragging (in the drag
  // window's client coordinates).
  TPoint GetDragPosition() const { return {FDragPos.X - FDragHotspot.X, FDragPos.Y - FDragHotspot.Y}; }
  bool GetImageShowing() const { return FDragging && FShowing; }
  // The cursor shown during the drag (a TCursor of the controls unit).
  TCursor GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }

 protected:
  ~TDragImageList() override = default;

 private:
  int32_t FDragIndex = -1;
  TPoint FDragHotspot;
  TPoint FDragPos;
  HWND FDragWindow = 0;
  TCursor FDragCursor = -12;  // crDrag
  bool FDragging = false;
  bool FShowing = false;
  bool FLocked = false;
};

// ----------------------------------------------------------------- TImageList

// The image list of form files: publishes the properties.
class TImageList : public TDragImageList {
  HOST_CLASS(TImageList, TDragImageList)

  using TDragImageList::TDragImageList;

 protected:
  ~TImageList() override = default;
};

// Registers the published properties of TImageList and the streamable
// classes of this unit. Counted: each call must be matched by
// UnregisterImgListClasses; the last one also destroys the image-list
// handles still alive.
void RegisterImgListClasses();
void UnregisterImgListClasses();
// Every class of the imglist unit, parents before children.
std::span<const TClass> ImgListClasses();

}  // namespace host
