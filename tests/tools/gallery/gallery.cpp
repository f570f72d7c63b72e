// gallery [PAGE]: the toolkit's controls, a page of them at a time, each page streamed from its form
// resource TFRMGALLERY<PAGE> and styled by the default style, the dark styles beside the HUD ones.
// Without a page it shows the first one and a HUD window on a form of its own. The scripts
// gallery_test.sh and gallery_<page>_test.sh drive it with real input; it tells what happens on
// standard output:
//   at NAME LEFT TOP WIDTH HEIGHT    the screen rect of a named scene object of the gallery (or
//                                    "hidden"), at the start and whenever it changes
//   form NAME LEFT TOP WIDTH HEIGHT  a form's rect, likewise
//   change NAME PROPERTY=VALUE       a control reported a change of its value (texts in UTF-8,
//                                    their line breaks written \r and \n)
//   ime at X Y                       the composition window was placed at screen point (X, Y)
//   closed NAME                      a form closed
//   set GRID COLUMN ROW VALUE        a data grid was given the edited value of a cell
//   shown NAME FIELD=VALUE           what a calendar shows (the calendars page), at the start
//                                    and whenever it changes: its Date (YYYY-MM-DD), the Month
//                                    and Year boxes' texts, the Months they offer, the Days' names,
//                                    the Weeks' labels and the Cells' numbers (comma-separated),
//                                    the index of the Today cell (-1 when not shown) and of the
//                                    Selected one; a calendar box's or text box's Text
//   picked NAME                      the user picked a day of a calendar or pressed its today button
//   ready                            the page shows (and the HUD window with the first)
// An unknown page prints "failed: no page PAGE" and ends with 2.
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "classlib/core/SysUtils.h"
#include "classlib/core/TextCodec.h"
#include "classlib/desktop/Application.h"
#include "classlib/desktop/Form.h"
#include "classlib/desktop/Timer.h"
#include "controls/boxes/PopupBox.h"
#include "controls/buttons/Button.h"
#include "controls/calendars/Calendar.h"
#include "controls/calendars/CalendarBox.h"
#include "controls/grid/Column.h"
#include "controls/grid/Grid.h"
#include "controls/colors/ColorPanel.h"
#include "controls/colors/ColorQuad.h"
#include "controls/colors/ComboColorBox.h"
#include "controls/buttons/Button.h"
#include "controls/extra/DropTarget.h"
#include "controls/extra/ImageViewer.h"
#include "engine/scene/DragDrop.h"
#include "controls/colors/GradientEdit.h"
#include "controls/lists/ComboBox.h"
#include "controls/lists/ComboListBox.h"
#include "controls/lists/ImageListBox.h"
#include "controls/text/Label.h"
#include "controls/textboxes/ComboTextBox.h"
#include "controls/textboxes/ComboTrackBar.h"
#include "controls/textboxes/TextBox.h"
#include "controls/tracks/Track.h"
#include "controls/treeview/TreeView.h"
#include "engine/layouts/Layout.h"
#include "engine/paint/Bitmap.h"
#include "engine/paint/Font.h"
#include "engine/scene/Popup.h"
#include "engine/tree/ObjectRegistry.h"
#include "engine/values/WideStrings.h"
#include "engine/scene/Ime.h"
#include "engine/scene/SceneInterface.h"
#include "engine/tree/VisualObject.h"
#include "toolkit/Toolkit.h"

namespace {

void Log(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

std::string Rect(int left, int top, int width, int height) {
  return Format("%d %d %d %d", left, top, width, height);
}

// A text on one line of the output.
std::string Escaped(const std::wstring& text) {
  std::string escaped;
  for (char c : Utf16ToUtf8(text)) escaped += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
  return escaped;
}

// The first of the value properties a control has, as the streams write it. The memo publishes
// its text as Lines: it reports its data, the whole text.
std::string Value(TObject* control) {
  for (const char* name : {"IsChecked", "ItemIndex", "Value", "Text"}) {
    const TPropInfo* prop = FindPropInfo(control, name);
    if (!prop) continue;
    const TPropValue value = prop->Get(*control);
    if (const double* number = std::get_if<double>(&value)) return Format("%s=%g", name, *number);
    if (const std::wstring* text = std::get_if<std::wstring>(&value)) return name + std::string("=") + Escaped(*text);
    if (const int64_t* ordinal = std::get_if<int64_t>(&value))
      return name + std::string("=") + (prop->EnumType ? prop->EnumType->NameOf(*ordinal) : std::to_string(*ordinal));
  }
  if (auto* object = dynamic_cast<TvgVisualObject*>(control)) return "Text=" + Escaped(object->GetData().ToWideString());
  return "";
}

// What the test reads of the forms: their rects and those of the gallery's named scene objects.
// Reading an object's place works out its matrix when that is stale, which paints it: the HUD
// window's transparent scene, whose root hides its style for every paint, would be painted
// over and over, so only its form is watched.
class TPlacements {
public:
  void Report(TCustomForm& form, bool objectsToo) {
    Place("form " + form.Name(), Rect(form.Left(), form.Top(), form.Width(), form.Height()));
    if (!objectsToo) return;
    for (int i = 0; i < form.ComponentCount(); ++i) {
      auto* object = dynamic_cast<TvgVisualObject*>(form.Components(i));
      if (object && !object->Name().empty()) PlaceObject(object->Name(), object);
    }
  }
  // A scene object under a name of the page's choosing: its screen rect, or "hidden".
  void PlaceObject(const std::string& name, TvgVisualObject* object) {
    if (!object->Scene()) return;
    const TvgRect r = object->GetAbsoluteRect();
    const TvgPoint topLeft = object->Scene()->LocalToScreen({r.Left, r.Top});
    const TvgPoint bottomRight = object->Scene()->LocalToScreen({r.Right, r.Bottom});
    const bool shown = object->Visible() && object->CheckParentVisible();
    Place("at " + name, shown ? Rect(int(Round(topLeft.X)), int(Round(topLeft.Y)), int(Round(bottomRight.X - topLeft.X)),
                                     int(Round(bottomRight.Y - topLeft.Y)))
                              : "hidden");
  }
  void Place(const std::string& what, const std::string& rect) { Tell(what, what + " " + rect); }
  // Logs the line when it differs from the last one told under the key.
  void Tell(const std::string& key, const std::string& line) {
    std::string& last = last_[key];
    if (last == line) return;
    last = line;
    Log(line);
  }

private:
  std::map<std::string, std::string> last_;
};

TPlacements placements;

class TScriptedIme : public TvgIme {
public:
  std::wstring ResultString(HWND) override { return L"\u4e2d\u6587"; }
  void SetCompositionFont(HWND, const LOGFONTW&) override {}
  void SetCompositionWindow(HWND window, const COMPOSITIONFORM& form) override {
    POINT at = form.ptCurrentPos;
    ClientToScreen(window, &at);
    Log(Format("ime at %d %d", int(at.x), int(at.y)));
  }
  LANGID KeyboardLanguage() override { return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED); }
};

}  // namespace

// The handlers every form of the gallery binds by name.
class TGalleryForm : public TForm {
  CL_CLASS(TGalleryForm, TForm)
public:
  using TForm::TForm;
  void ControlChange(TObject* sender) {
    if (auto* component = dynamic_cast<TComponent*>(sender)) Log("change " + component->Name() + " " + Value(sender));
  }
  void FormClose(TObject*, TCloseAction&) { Log("closed " + Name()); }
  // What the page reports besides the rects, whenever the gallery looks.
  virtual void Watch() {}
};

class TfrmGallery : public TGalleryForm {
  CL_CLASS(TfrmGallery, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
};

class TfrmHudWindow : public TGalleryForm {
  CL_CLASS(TfrmHudWindow, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
};

// The pages after the first, each a form class of its own (its resource is named after it).
class TfrmGalleryText : public TGalleryForm {
  CL_CLASS(TfrmGalleryText, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
};

// The tree page reports the selected item of a tree and the check box of an item.
class TfrmGalleryTree : public TGalleryForm {
  CL_CLASS(TfrmGalleryTree, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
  void TreeChange(TObject* sender) {
    auto* tree = static_cast<TvgTreeView*>(sender);
    Log("change " + tree->Name() + " Selected=" + (tree->Selected() ? Escaped(tree->Selected()->Text()) : ""));
  }
  void TreeCheck(TObject* sender) {
    auto* item = static_cast<TvgTreeViewItem*>(sender);
    Log("change " + item->Name() + " IsChecked=" + (item->IsChecked() ? "True" : "False"));
  }
};

// The colours page reports colours as text and the gradient's stops; its hex box sets the panel's
// colour and shows the colour again when its text is no colour.
class TfrmGalleryColors : public TGalleryForm {
  CL_CLASS(TfrmGalleryColors, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
  void ColorChange(TObject* sender) {
    auto* component = static_cast<TComponent*>(sender);
    std::string color;
    if (auto* panel = dynamic_cast<TvgColorPanel*>(sender)) {
      color = panel->Color();
      if (auto* hex = dynamic_cast<TvgTextBox*>(FindComponent("DarkHexBox"))) hex->SetText(AnsiToWide(color));
    } else if (auto* quad = dynamic_cast<TvgColorQuad*>(sender)) {
      color = vgColorToStr(vgOpacityColor(quad->Color(), quad->Alpha()));
    }
    Log("change " + component->Name() + " Color=" + color);
  }
  void HexChange(TObject* sender) {
    auto* hex = static_cast<TvgTextBox*>(sender);
    auto* panel = dynamic_cast<TvgColorPanel*>(FindComponent("DarkPanel"));
    if (!panel) return;
    TvgColor color = 0;
    if (vgTryStrToColor(WideToAnsi(hex->Text()), color)) panel->SetColor(vgColorToStr(color));
    else hex->SetText(AnsiToWide(panel->Color()));
    Log("change DarkHexBox Text=" + Escaped(hex->Text()));
  }
  void GradientChange(TObject* sender) {
    auto* edit = static_cast<TvgGradientEdit*>(sender);
    std::string stops;
    for (int i = 0; i < edit->Gradient()->Points()->Count(); ++i) {
      const TvgGradientPoint* point = edit->Gradient()->Points()->Points(i);
      stops += Format("%s%.2f:%s", i ? "," : "", point->Offset(), point->Color().c_str());
    }
    Log("change DarkGradient Stops=" + stops);
    Log(Format("change DarkGradientCurrent Value=%d", edit->CurrentPoint()));
  }
};

// The extras page reports the switches' states, the files dropped, the colour combos' colours and
// the compound controls' values; its image viewer shows a picture it paints, and its zoom and
// scroll offsets are watched, since the viewer has no change event.
class TfrmGalleryExtras : public TGalleryForm {
  CL_CLASS(TfrmGalleryExtras, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
  void SwitchClick(TObject* sender) {
    auto* button = static_cast<TvgCustomButton*>(sender);
    Log("change " + button->Name() + " IsPressed=" + (button->IsPressed() ? "True" : "False"));
  }
  void FilesDropped(TObject* sender, TvgDragObject* data, const TvgPoint&) {
    std::wstring names;
    for (const std::wstring& file : data->Files) names += (names.empty() ? L"" : L"|") + file;
    Log("change " + static_cast<TComponent*>(sender)->Name() + " Files=" + Escaped(names));
    static_cast<TvgDropTarget*>(sender)->SetText(std::to_wstring(data->Files.size()) + L" files dropped");
  }
  void ComboColorChange(TObject* sender) {
    auto* combo = static_cast<TvgComboColorBox*>(sender);
    Log("change " + combo->Name() + " Color=" + combo->Color());
  }
  // The editor reports; its owner is the compound control, whose Value is logged.
  void CompoundChange(TObject* sender) {
    auto* editor = dynamic_cast<TComponent*>(sender);
    auto* compound = editor ? dynamic_cast<TvgVisualObject*>(editor->Owner()) : nullptr;
    if (!compound) return;
    const TPropInfo* prop = FindPropInfo(compound, "Value");
    const TPropValue value = prop ? prop->Get(*compound) : TPropValue();
    std::string shown;
    if (const double* number = std::get_if<double>(&value)) shown = Format("%g", *number);
    else if (const std::wstring* text = std::get_if<std::wstring>(&value)) shown = Escaped(*text);
    else if (const std::string* colour = std::get_if<std::string>(&value)) shown = *colour;
    else if (const int64_t* ordinal = std::get_if<int64_t>(&value)) shown = std::to_string(*ordinal);
    Log("change " + compound->Name() + " Value=" + shown);
  }
  void Loaded() override {
    TGalleryForm::Loaded();
    auto* viewer = dynamic_cast<TvgImageViewer*>(FindComponent("DarkViewer"));
    if (!viewer) return;
    viewer->SetBitmap(Picture().get());
    watch_ = std::make_unique<TTimer>(nullptr);
    watch_->SetInterval(100);
    watch_->SetOnTimer([this, viewer](TObject*) {
      const std::string state = Format("BitmapScale=%.2f Scroll=%d,%d", viewer->BitmapScale(),
                                       int(Round(viewer->GetHScrollOffset())), int(Round(viewer->GetVScrollOffset())));
      if (state != lastViewer_) Log("change DarkViewer " + state);
      lastViewer_ = state;
    });
    watch_->SetEnabled(true);
  }

private:
  // Bands of colour under a grid of dark lines every 40 pixels, so that a zoom and a scroll show.
  static std::unique_ptr<TvgBitmap> Picture() {
    auto bitmap = std::make_unique<TvgBitmap>(320, 240);
    for (int y = 0; y < 240; ++y)
      for (int x = 0; x < 320; ++x) {
        const bool line = x % 40 < 2 || y % 40 < 2;
        const TvgColor band = 0xFF000000 | TvgColor(60 + x * 180 / 320) << 16 | TvgColor(90 + y * 120 / 240) << 8 | 0xA0;
        bitmap->GetScanline(y)[x] = line ? 0xFF202020 : band;
      }
    return bitmap;
  }
  std::unique_ptr<TTimer> watch_;
  std::string lastViewer_;
};

// The combos page tells where each combo's pop-up and the parts inside it are: the items of the
// lists made from strings have no names of their own, they are placed as NAME.Item<INDEX>.
class TfrmGalleryCombos : public TGalleryForm {
  CL_CLASS(TfrmGalleryCombos, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
  // A combo text box reports its index and its text.
  void ComboTextChange(TObject* sender) {
    auto* box = static_cast<TvgComboTextBox*>(sender);
    Log(Format("change %s ItemIndex=%d", box->Name().c_str(), int(box->ItemIndex())));
    Log("change " + box->Name() + " Text=" + Escaped(box->Text()));
  }
  void Watch() override {
    for (int i = 0; i < ComponentCount(); ++i) {
      TComponent* component = Components(i);
      if (auto* combo = dynamic_cast<TvgComboBox*>(component)) Place(combo->Name(), combo->DropDownPopup(), combo->ListBox());
      else if (auto* box = dynamic_cast<TvgComboTextBox*>(component)) Place(box->Name(), box->DropDownPopup(), box->ListBox());
      else if (auto* track = dynamic_cast<TvgComboTrackBar*>(component)) {
        Place(track->Name(), track->DropDownPopup(), nullptr);
        placements.PlaceObject(track->Name() + ".Track", track->TrackBar());
      }
    }
  }

private:
  static void Place(const std::string& name, TvgPopup* popup, TvgListBox* list) {
    placements.PlaceObject(name + ".Popup", popup);
    for (int i = 0; list && i < list->GetCount(); ++i)
      placements.PlaceObject(name + ".Item" + std::to_string(i), list->ItemByIndex(i));
  }
};

// The image lists show pictures the page paints and saves as files of its own at its start.
class TfrmGalleryLists : public TGalleryForm {
  CL_CLASS(TfrmGalleryLists, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
  // A list's OnChange tells the item now selected: the line names the list and its index.
  void ListChange(TObject* sender) {
    auto* item = dynamic_cast<TvgListBoxItem*>(sender);
    if (TvgListBox* list = item ? item->ListBox() : nullptr)
      Log(Format("change %s ItemIndex=%d", list->Name().c_str(), int(list->ItemIndex())));
  }
  void Loaded() override {
    TGalleryForm::Loaded();
    const char* const lists[] = {"ImageList", "HorzImageList", "HudImageList"};
    for (const char* listName : lists)
      if (auto* list = dynamic_cast<TvgImageListBox*>(FindComponent(listName)))
        for (const TPicture& picture : kPictures) AddPicture(*list, picture);
  }

private:
  struct TPicture {
    const char* name;
    TvgColor top, bottom;
  };
  static constexpr TPicture kPictures[] = {
      {"sunrise", 0xFFFFC04A, 0xFFD0402A}, {"sea", 0xFF7FD4FF, 0xFF1A4A9A},
      {"forest", 0xFFA8E070, 0xFF1E5A24}, {"dusk", 0xFFB070D0, 0xFF20183A}};

  // A picture of a sky over a dark ground, top colour to bottom colour.
  static std::string SavedPicture(const TPicture& picture) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kest_gallery";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + picture.name + ".png";
    TvgBitmap bitmap(64, 64);
    for (int y = 0; y < 64; ++y) {
      const float t = float(y) / 63;
      TvgColor color = 0xFF000000;
      for (int shift : {0, 8, 16}) {
        const float a = float((picture.top >> shift) & 0xFF), b = float((picture.bottom >> shift) & 0xFF);
        color |= TvgColor(a + (b - a) * t) << shift;
      }
      for (int x = 0; x < 64; ++x) bitmap.GetScanline(y)[x] = y > 44 + (x % 16 < 8 ? x % 8 : 8 - x % 8) ? 0xFF202020 : color;
    }
    bitmap.SaveToFile(path);
    return path;
  }
  void AddPicture(TvgImageListBox& list, const TPicture& picture) {
    auto* item = new TvgImageListBoxItem(this);
    item->SetName(list.Name() + "_" + picture.name);
    item->SetText(AnsiToWide(SavedPicture(picture)));
    item->SetStored(false);
    list.AddObject(item);
  }
};

// The data grid's values live here: a name, a check, a progress, a priority and an icon per row;
// what the user edits is kept and reported. The grid asks by the column's place, which the header
// changes: values are kept by the column's name, so that they move with their column.
class TfrmGalleryGrid : public TGalleryForm {
  CL_CLASS(TfrmGalleryGrid, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
  void GridGetValue(TObject* sender, int32_t col, int32_t row, Variant& value) {
    const std::string column = ColumnName(sender, col);
    const auto edited = edits_.find({column, row});
    if (edited != edits_.end()) value = edited->second;
    else if (column == "NameColumn") value = Variant(L"Task " + std::to_wstring(row + 1));
    else if (column == "DoneColumn") value = Variant(row % 3 == 0);
    else if (column == "ProgressColumn") value = Variant(double(row * 37 % 101));
    else if (column == "PriorityColumn") value = Variant(int32_t(row % 3));
    else if (column == "IconColumn") value = vgObjectToVariant(Icon(row));
  }
  void GridSetValue(TObject* sender, int32_t col, int32_t row, const Variant& value) {
    const std::string column = ColumnName(sender, col);
    edits_[{column, row}] = value;
    Log(Format("set %s %s %d ", static_cast<TComponent*>(sender)->Name().c_str(), column.c_str(), int(row)) +
        Escaped(value.ToWideString()));
  }

private:
  // A small square in one of three colours, made once each.
  TvgBitmap* Icon(int32_t row) {
    static const TvgColor kColors[] = {0xFFE05050, 0xFF50B050, 0xFF5080E0};
    std::unique_ptr<TvgBitmap>& icon = icons_[size_t(row % 3)];
    if (!icon) {
      icon = std::make_unique<TvgBitmap>(16, 16);
      icon->Clear(kColors[row % 3]);
    }
    return icon.get();
  }
  std::unique_ptr<TvgBitmap> icons_[3];
  static std::string ColumnName(TObject* grid, int32_t col) {
    TvgColumn* column = static_cast<TvgCustomGrid*>(grid)->Columns(col);
    return column ? column->Name() : "";
  }
  std::map<std::pair<std::string, int32_t>, Variant> edits_;
};

// The calendars page tells what each calendar shows, its own two and those its boxes drop down,
// and where the parts the script clicks are.
class TfrmGalleryCalendars : public TGalleryForm {
  CL_CLASS(TfrmGalleryCalendars, TGalleryForm)
public:
  using TGalleryForm::TGalleryForm;
  void DayChange(TObject* sender) { Log("picked " + static_cast<TComponent*>(sender)->Name()); }
  void Watch() override {
    for (const char* name : {"DarkCalendar", "SundayCalendar"})
      if (auto* calendar = dynamic_cast<TvgCalendar*>(FindComponent(name))) Tell(name, *calendar);
    if (auto* box = dynamic_cast<TvgCalendarBox*>(FindComponent("DarkCalendarBox")))
      TellBox(box->Name(), box->Text(), *box->Calendar());
    if (auto* box = dynamic_cast<TvgCalendarTextBox*>(FindComponent("DarkCalendarTextBox")))
      TellBox(box->Name(), box->Text(), *box->Calendar());
  }

private:
  template <class F>
  static std::string Joined(int count, F text) {
    std::string joined;
    for (int i = 0; i < count; ++i) joined += (i ? "," : "") + Escaped(text(i));
    return joined;
  }
  static std::wstring LabelText(TvgObject* parent, int i) {
    auto* label = dynamic_cast<TvgLabel*>(parent->Children(i));
    return label ? label->Text() : L"";
  }
  void TellBox(const std::string& name, const std::wstring& text, TvgCalendar& calendar) {
    placements.Tell(name + " Text", "shown " + name + " Text=" + Escaped(text));
    Tell(name + ".Calendar", calendar);
  }
  void Tell(const std::string& name, TvgCalendar& calendar) {
    const TDateParts date = DecodeDate(calendar.Date());
    TvgListBox* days = calendar.Days();
    int today = -1;
    for (int i = 0; i < days->GetCount(); ++i)
      if (days->ItemByIndex(i)->Font()->Style() == vgFontBold) today = i;
    const std::pair<const char*, std::string> fields[] = {
        {"Date", Format("%04d-%02d-%02d", date.Year, date.Month, date.Day)},
        {"Month", Escaped(calendar.MonthBox()->Text())},
        {"Year", Escaped(calendar.YearBox()->Text())},
        {"Months", Joined(calendar.MonthBox()->Items()->Count(),
                          [&](int i) { return calendar.MonthBox()->Items()->Get(i); })},
        {"Days", Joined(7, [&](int i) { return LabelText(calendar.DayNameRow(), i); })},
        {"Weeks", calendar.WeekColumn()->Visible() ? Joined(6, [&](int i) { return LabelText(calendar.WeekColumn(), i); })
                                                   : ""},
        {"Cells", Joined(days->GetCount(), [&](int i) { return days->ItemByIndex(i)->Text(); })},
        {"Today", std::to_string(today)},
        {"Selected", std::to_string(days->ItemIndex())},
    };
    for (const auto& [field, value] : fields)
      placements.Tell(name + " " + field, "shown " + name + " " + field + "=" + value);
    const std::pair<const char*, TvgVisualObject*> parts[] = {
        {"Days", days},           {"Prev", calendar.PrevButton()},   {"Today", calendar.TodayButton()},
        {"Next", calendar.NextButton()}, {"MonthBox", calendar.MonthBox()}, {"YearBox", calendar.YearBox()},
        {"WeekColumn", calendar.WeekColumn()},
    };
    for (const auto& [part, object] : parts) placements.PlaceObject(name + "." + part, object);
  }
};

CL_PUBLISHED(TGalleryForm) {
  CL_METHOD(TGalleryForm, ControlChange);
  CL_METHOD(TGalleryForm, FormClose);
}
CL_PUBLISHED(TfrmGallery) {}
CL_PUBLISHED(TfrmHudWindow) {}
CL_PUBLISHED(TfrmGalleryText) {}
CL_PUBLISHED(TfrmGalleryTree) {
  CL_METHOD(TfrmGalleryTree, TreeChange);
  CL_METHOD(TfrmGalleryTree, TreeCheck);
}
CL_PUBLISHED(TfrmGalleryLists) { CL_METHOD(TfrmGalleryLists, ListChange); }
CL_PUBLISHED(TfrmGalleryCombos) { CL_METHOD(TfrmGalleryCombos, ComboTextChange); }
CL_PUBLISHED(TfrmGalleryGrid) {
  CL_METHOD(TfrmGalleryGrid, GridGetValue);
  CL_METHOD(TfrmGalleryGrid, GridSetValue);
}
CL_PUBLISHED(TfrmGalleryCalendars) { CL_METHOD(TfrmGalleryCalendars, DayChange); }
CL_PUBLISHED(TfrmGalleryExtras) {
  CL_METHOD(TfrmGalleryExtras, SwitchClick);
  CL_METHOD(TfrmGalleryExtras, FilesDropped);
  CL_METHOD(TfrmGalleryExtras, ComboColorChange);
  CL_METHOD(TfrmGalleryExtras, CompoundChange);
}
CL_PUBLISHED(TfrmGalleryColors) {
  CL_METHOD(TfrmGalleryColors, ColorChange);
  CL_METHOD(TfrmGalleryColors, HexChange);
  CL_METHOD(TfrmGalleryColors, GradientChange);
}

namespace {

template <class F>
TCustomForm* CreatePage() {
  return Application->CreateForm<F>();
}

// The pages by the name the command line gives; the first page has none.
const std::map<std::string, TCustomForm* (*)()> kPages = {
    {"", CreatePage<TfrmGallery>},
    {"text", CreatePage<TfrmGalleryText>},
    {"tree", CreatePage<TfrmGalleryTree>},
    {"lists", CreatePage<TfrmGalleryLists>},
    {"combos", CreatePage<TfrmGalleryCombos>},
    {"grid", CreatePage<TfrmGalleryGrid>},
    {"colors", CreatePage<TfrmGalleryColors>},
    {"calendars", CreatePage<TfrmGalleryCalendars>},
    {"extras", CreatePage<TfrmGalleryExtras>},
};

}  // namespace

int main(int argc, char** argv) try {
  const std::string page = argc > 1 ? argv[1] : "";
  const auto createPage = kPages.find(page);
  if (createPage == kPages.end()) {
    Log("failed: no page " + page);
    return 2;
  }
  TvgToolkit toolkit;
  Application->Initialize();
  Application->SetTitle("Controls gallery");
  TCustomForm* gallery = createPage->second();
  TCustomForm* hudWindow = page.empty() ? Application->CreateForm<TfrmHudWindow>() : nullptr;
  TScriptedIme ime;
  vgSetIme(&ime);
  // The length limit and the hex box's characters are set by code: they are not streamed properties.
  for (const char* name : {"DarkMaxLengthBox", "HudMaxLengthBox"})
    if (auto* box = dynamic_cast<TvgCustomTextBox*>(gallery->FindComponent(name))) box->SetMaxLength(8);
  if (auto* hex = dynamic_cast<TvgCustomTextBox*>(gallery->FindComponent("DarkHexBox")))
    hex->SetFilterChar(L"#0123456789abcdefABCDEF");
  TTimer watch(nullptr);
  watch.SetInterval(100);
  watch.SetOnTimer([&](TObject*) {
    for (TCustomForm* form : {gallery, hudWindow})
      if (form && form->Visible()) placements.Report(*form, form == gallery);
    if (auto* page = dynamic_cast<TGalleryForm*>(gallery)) page->Watch();
  });
  watch.SetEnabled(true);
  gallery->Show();
  if (hudWindow) hudWindow->Show();
  placements.Report(*gallery, true);
  if (auto* page = dynamic_cast<TGalleryForm*>(gallery)) page->Watch();
  if (hudWindow) placements.Report(*hudWindow, false);
  Log("ready");
  Application->Run();
  vgSetIme(nullptr);
  return 0;
} catch (const std::exception& e) {
  Log(std::string("failed: ") + e.what());
  return 1;
}
