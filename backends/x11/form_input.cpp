// What the form's windows hear from the X server, translated for the event
// path: pointer moves and buttons in pixels, keys with the text they type
// in the user's layout, and what other clients do to the saver's windows.

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <string>
#include <string_view>

#include "backends/x11/form_window.h"
#include "runtime/code_page.h"

namespace sagelight::x11 {
namespace {

ui::PointerInput PointerAt(int x, int y, unsigned int state) {
  ui::PointerInput at;
  at.x = x;
  at.y = y;
  at.left = (state & Button1Mask) != 0;
  at.middle = (state & Button2Mask) != 0;
  at.right = (state & Button3Mask) != 0;
  at.shift = (state & ShiftMask) != 0;
  at.ctrl = (state & ControlMask) != 0;
  at.alt = (state & Mod1Mask) != 0;
  return at;
}

ui::MouseButton ButtonOf(unsigned int button) {
  switch (button) {
    case Button1:
      return ui::MouseButton::kLeft;
    case Button2:
      return ui::MouseButton::kMiddle;
    case Button3:
      return ui::MouseButton::kRight;
    default:
      return ui::MouseButton::kOther;
  }
}

}  // namespace

void FormWindow::HandleRootEvent(const XEvent& event) {
  if (hosted_ || lost_) {
    return;
  }
  // Override-redirect windows (menus, tooltips, a locker started later)
  // are left where their owners put them; a managed window or a manager's
  // frame that is mapped, or restacked right above one of the saver's
  // windows, now covers part of it.
  bool covers = false;
  if (event.type == MapNotify) {
    covers = event.xmap.override_redirect == False && !TopLevelOfOurs(event.xmap.window);
  } else if (event.type == ConfigureNotify) {
    covers = event.xconfigure.override_redirect == False &&
             !TopLevelOfOurs(event.xconfigure.window) && TopLevelOfOurs(event.xconfigure.above);
  }
  if (covers) {
    Restack();
  }
}

XIC FormWindow::InputContext() {
  // Made at the first key rather than with the windows: a key that types
  // nothing is looked up just as well by a context made after it came, and
  // a composition starts with the key after it.
  if (!input_context_tried_ && !hosted_) {
    input_context_tried_ = true;
    if (XIM method = connection_.InputMethod(); method != nullptr) {
      input_context_ = XCreateIC(method, XNInputStyle, XIMPreeditNothing | XIMStatusNothing,
                                 XNClientWindow, window_, XNFocusWindow, window_, nullptr);
    }
    if (input_context_ != nullptr) {
      XSetICFocus(input_context_);  // the key came, so the form has the keyboard
    }
  }
  return input_context_;
}

ui::KeyInput FormWindow::LookUpKey(XKeyEvent& key) {
  ui::KeyInput input;
  input.alt = (key.state & Mod1Mask) != 0;
  std::string text(32, '\0');
  KeySym keysym = NoSymbol;
  if (XIC context = InputContext(); context != nullptr) {
    Status status = 0;
    int length = Xutf8LookupString(context, &key, text.data(), static_cast<int>(text.size()),
                                   &keysym, &status);
    if (status == XBufferOverflow) {
      text.resize(static_cast<std::size_t>(length));
      length = Xutf8LookupString(context, &key, text.data(), static_cast<int>(text.size()), &keysym,
                                 &status);
    }
    if (status == XLookupChars || status == XLookupBoth) {
      input.text = rt::FromUtf8(std::string_view(text.data(), static_cast<std::size_t>(length)));
    }
  } else {
    // No input method: Latin-1 text only, as Xlib's plain lookup gives it.
    const int length =
        XLookupString(&key, text.data(), static_cast<int>(text.size()), &keysym, nullptr);
    for (int i = 0; i < length; ++i) {
      input.text.push_back(static_cast<unsigned char>(text[static_cast<std::size_t>(i)]));
    }
  }
  // X types DEL for the Delete key, which types nothing on the desktop the
  // program comes from; Ctrl+Backspace's DEL there comes from another key.
  if (keysym == XK_Delete || keysym == XK_KP_Delete) {
    input.text.clear();
  }
  return input;
}

void FormWindow::HandleEvent(XEvent& event) {
  switch (event.type) {
    case Expose:
      if (event.xexpose.count == 0) {
        for (ui::ElementId id = 0; id < elements_.size(); ++id) {
          if (elements_[id].window == event.xexpose.window) {
            Draw(id);
          }
        }
      }
      break;
    case MapNotify:
      // The form takes the focus once it can be seen: a bare server gives
      // it to nobody.
      if (!focus_given_ && event.xany.window == window_) {
        TakeFocus();
      }
      break;
    case UnmapNotify:
      // Unmapped by someone else (the program never hides its form): a
      // saver that cannot be seen could not be dismissed either, so it
      // shows itself again. The server dropped the grab with the window.
      if (!hosted_ && event.xunmap.window == window_) {
        focus_given_ = false;
        keyboard_held_ = false;
        XMapRaised(connection_.display(), window_);
        if (above_ != None) {
          XRaiseWindow(connection_.display(), above_);
        }
      }
      break;
    case DestroyNotify:
      if (event.xdestroywindow.window == window_) {
        lost_ = true;
      }
      break;
    case FocusIn:
      if (input_context_ != nullptr) {
        XSetICFocus(input_context_);
      }
      break;
    case FocusOut:
      if (input_context_ != nullptr) {
        XUnsetICFocus(input_context_);
      }
      break;
    case KeyPress:
      path_->Key(LookUpKey(event.xkey));
      break;
    case MotionNotify:
      if (event.xmotion.window == window_) {
        path_->PointerMoved(PointerAt(event.xmotion.x, event.xmotion.y, event.xmotion.state));
      }
      break;
    case ButtonPress:
    case ButtonRelease:
      if (event.xbutton.window == window_) {
        const ui::PointerInput at =
            PointerAt(event.xbutton.x, event.xbutton.y, event.xbutton.state);
        if (event.type == ButtonPress) {
          path_->ButtonPressed(ButtonOf(event.xbutton.button), at);
        } else {
          path_->ButtonReleased(ButtonOf(event.xbutton.button), at);
        }
      }
      break;
    default:
      break;
  }
}

}  // namespace sagelight::x11
