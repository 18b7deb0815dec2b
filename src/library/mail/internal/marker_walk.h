#pragma once

#include <initializer_list>
#include <string_view>

#include "host/platform.h"

// Recognising the host's child windows (the "AOL Child" windows of its MDI client) by
// the controls they hold, over the walk of host_lookups.h, and looking one up by its
// caption.
namespace velto::library {

// A control that a host child window must hold as a direct child: the n-th (from 1)
// child of the class, with the caption when one is given.
struct Marker {
  std::string_view className;
  host::CaptionFilter caption = host::kAnyCaption;
  int nth = 1;
};

// The n-th (from 1) direct child of the class whose caption passes the filter; 0 when
// the parent is 0 or the chain of children breaks off.
host::WindowHandle FindNthMatchingChild(host::Platform& platform, host::WindowHandle parent,
                                        std::string_view className, host::CaptionFilter caption,
                                        int nth);

// The first host child window, in child order, that holds every marker; 0 when there is
// none. All markers of a window are looked up before it is judged, as FindChatRoom does.
host::WindowHandle FindHostChildWithMarkers(host::Platform& platform,
                                            std::initializer_list<Marker> markers);

// The first host child window with exactly this caption; 0 when there is none.
host::WindowHandle FindCaptionedHostChild(host::Platform& platform, std::string_view caption);

}  // namespace velto::library
