// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <initguid.h>

#include "accessibility.h"

#include <oleacc.h>

#include <algorithm>

#include "controls.h"

namespace ui::win32 {

namespace {

// UI Automation's LiveSetting property, which dynamic annotation accepts by
// its GUID; 1 is Polite.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb);
constexpr LONG kPolite = 1;

}  // namespace

Annotations::Annotations() {
  void* services = nullptr;
  if (SUCCEEDED(
          CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices, &services))) {
    services_ = static_cast<IAccPropServices*>(services);
  }
}

Annotations::~Annotations() {
  Forget();
  if (services_ != nullptr) services_->Release();
}

void Annotations::Describe(HWND control, const Spoken& spoken) {
  if (services_ == nullptr) return;
  std::wstring name = Wide(spoken.name);
  std::wstring description = Wide(spoken.description);
  services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, name.data());
  services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION, description.data());
  annotated_.emplace_back(control, CHILDID_SELF);
}

void Annotations::NameRow(HWND list, int row, std::string_view name) {
  if (services_ == nullptr) return;
  const int child = row + 1;  // child ids count list items from 1
  if (name.empty()) {
    MSAAPROPID props[] = {PROPID_ACC_NAME};
    services_->ClearHwndProps(list, OBJID_CLIENT, child, props, 1);
    return;
  }
  std::wstring text = Wide(name);
  services_->SetHwndPropStr(list, OBJID_CLIENT, child, PROPID_ACC_NAME, text.data());
  const std::pair<HWND, int> key(list, child);
  if (std::find(annotated_.begin(), annotated_.end(), key) == annotated_.end()) annotated_.push_back(key);
}

void Annotations::Name(HWND control, std::string_view name) {
  if (services_ == nullptr) return;
  std::wstring text = Wide(name);
  services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, text.data());
  const std::pair<HWND, int> key(control, CHILDID_SELF);
  if (std::find(annotated_.begin(), annotated_.end(), key) == annotated_.end()) annotated_.push_back(key);
}

void Annotations::MakeLive(HWND control) {
  if (services_ == nullptr) return;
  VARIANT polite;
  VariantInit(&polite);
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  services_->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite);
  annotated_.emplace_back(control, CHILDID_SELF);
}

void Annotations::Forget() {
  if (services_ == nullptr) return;
  MSAAPROPID props[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, kLiveSettingProperty};
  for (const auto& [control, child] : annotated_) {
    services_->ClearHwndProps(control, OBJID_CLIENT, child, props, 3);
  }
  annotated_.clear();
}

Announcer::Announcer(HWND control, Annotations& spoken) : control_(control), spoken_(spoken) {
  spoken_.MakeLive(control_);
}

void Announcer::Say(const Announcement& announcement) {
  // The words as the control's text and its name: what a screen reader
  // reads of a live region, with or without the annotation service.
  const std::string words = announcement.Whole();
  SetWindowTextW(control_, Wide(words).c_str());
  spoken_.Name(control_, words);
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace ui::win32
