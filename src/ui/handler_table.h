#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "ui/toolkit.h"

namespace velto::ui {

// The bindings of (window, control, event) to handlers, shared by both toolkits.
class HandlerTable {
 public:
  enum class Kind { kClick, kTimer, kForm };

  void Bind(FormId form, Kind kind, std::string_view name, Handler handler) {
    handlers_[Key{form, kind, std::string(name)}] = std::move(handler);
  }
  void Bind(FormId form, FormEvent event, Handler handler) {
    Bind(form, Kind::kForm, FormEventName(event), std::move(handler));
  }
  bool Has(FormId form, Kind kind, std::string_view name) const {
    return handlers_.count(Key{form, kind, std::string(name)}) != 0;
  }
  bool Has(FormId form, FormEvent event) const {
    return Has(form, Kind::kForm, FormEventName(event));
  }

  // Runs the handler if one is bound. The handler is copied first: it may run nested
  // event loops in which bindings are looked up again.
  void Run(FormId form, Kind kind, std::string_view name) const {
    auto it = handlers_.find(Key{form, kind, std::string(name)});
    if (it == handlers_.end())
      return;
    Handler handler = it->second;
    handler();
  }
  void Run(FormId form, FormEvent event) const { Run(form, Kind::kForm, FormEventName(event)); }

 private:
  using Key = std::tuple<FormId, Kind, std::string>;
  static std::string_view FormEventName(FormEvent event) {
    switch (event) {
      case FormEvent::kLoad:
        return "Load";
      case FormEvent::kUnload:
        return "Unload";
      case FormEvent::kEndSession:
        return "EndSession";
      case FormEvent::kMouseDown:
        break;
    }
    return "MouseDown";
  }
  std::map<Key, Handler> handlers_;
};

}  // namespace velto::ui
