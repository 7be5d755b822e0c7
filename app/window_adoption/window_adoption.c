// glfwAdoptNativeWindow, built into GLFW's Win32 window layer.
#include "internal.h"

#include "glfw_adoption.h"

// GLFW's own window procedure, as registered with its window class
//
static WNDPROC glfwWindowProc(void)
{
    WNDCLASSEXW wc;

    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(_glfw.win32.instance, _GLFW_WNDCLASSNAME, &wc))
        return NULL;

    return wc.lpfnWndProc;
}

// Reads the window's state into the record instead of applying window hints
//
static void readNativeWindowState(_GLFWwindow* window)
{
    const HWND handle = window->win32.handle;
    const DWORD style = (DWORD) GetWindowLongW(handle, GWL_STYLE);
    const DWORD exStyle = (DWORD) GetWindowLongW(handle, GWL_EXSTYLE);

    window->resizable = (style & WS_THICKFRAME) ? GLFW_TRUE : GLFW_FALSE;
    // WS_CAPTION includes WS_BORDER, so a captioned window counts too
    window->decorated = (style & (WS_BORDER | WS_THICKFRAME)) ? GLFW_TRUE : GLFW_FALSE;
    window->floating = (exStyle & WS_EX_TOPMOST) ? GLFW_TRUE : GLFW_FALSE;

    window->win32.maximized = IsZoomed(handle) ? GLFW_TRUE : GLFW_FALSE;
    window->win32.iconified = IsIconic(handle) ? GLFW_TRUE : GLFW_FALSE;
}

// Creates the context on the adopted window by the creation API hint
//
static GLFWbool createContext(_GLFWwindow* window,
                              const _GLFWctxconfig* ctxconfig,
                              const _GLFWfbconfig* fbconfig)
{
    if (ctxconfig->source == GLFW_NATIVE_CONTEXT_API)
    {
        if (!_glfwInitWGL())
            return GLFW_FALSE;
        if (!_glfwCreateContextWGL(window, ctxconfig, fbconfig))
            return GLFW_FALSE;
    }
    else if (ctxconfig->source == GLFW_EGL_CONTEXT_API)
    {
        if (!_glfwInitEGL())
            return GLFW_FALSE;
        if (!_glfwCreateContextEGL(window, ctxconfig, fbconfig))
            return GLFW_FALSE;
    }
    else if (ctxconfig->source == GLFW_OSMESA_CONTEXT_API)
    {
        if (!_glfwInitOSMesa())
            return GLFW_FALSE;
        if (!_glfwCreateContextOSMesa(window, ctxconfig, fbconfig))
            return GLFW_FALSE;
    }

    return _glfwRefreshContextAttribs(window, ctxconfig);
}


//////////////////////////////////////////////////////////////////////////
//////                        GLFW public API                       //////
//////////////////////////////////////////////////////////////////////////

GLFWAPI GLFWwindow* glfwAdoptNativeWindow(HWND handle, GLFWwindow* share)
{
    _GLFWfbconfig fbconfig;
    _GLFWctxconfig ctxconfig;
    _GLFWwndconfig wndconfig;
    _GLFWwindow* window;
    WNDPROC windowProc;

    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    fbconfig  = _glfw.hints.framebuffer;
    ctxconfig = _glfw.hints.context;
    wndconfig = _glfw.hints.window;
    ctxconfig.share = (_GLFWwindow*) share;

    if (share)
    {
        if (ctxconfig.client == GLFW_NO_API ||
            ctxconfig.share->context.client == GLFW_NO_API)
        {
            _glfwInputError(GLFW_NO_WINDOW_CONTEXT, NULL);
            return NULL;
        }
    }

    if (!_glfwIsValidContextConfig(&ctxconfig))
        return NULL;

    // Registered by glfwInit, so this only fails if something is badly wrong;
    // a window left without any procedure would be far worse
    windowProc = glfwWindowProc();
    if (!windowProc)
    {
        _glfwInputErrorWin32(GLFW_PLATFORM_ERROR,
                             "Win32: Failed to find the window procedure");
        return NULL;
    }

    window = calloc(1, sizeof(_GLFWwindow));
    window->next = _glfw.windowListHead;
    _glfw.windowListHead = window;

    window->autoIconify = wndconfig.autoIconify;
    window->cursorMode  = GLFW_CURSOR_NORMAL;

    window->minwidth    = GLFW_DONT_CARE;
    window->minheight   = GLFW_DONT_CARE;
    window->maxwidth    = GLFW_DONT_CARE;
    window->maxheight   = GLFW_DONT_CARE;
    window->numer       = GLFW_DONT_CARE;
    window->denom       = GLFW_DONT_CARE;

    window->win32.handle = handle;

    // GLFW's window procedure finds its record through this property
    SetPropW(handle, L"GLFW", window);

    // The pointer-sized calls: on 64-bit Windows a procedure address does not
    // fit the 32-bit value of GetWindowLongW/SetWindowLongW
    window->win32.attached = GLFW_TRUE;
    window->win32.oldWndProc = (WNDPROC) GetWindowLongPtrW(handle, GWLP_WNDPROC);
    SetWindowLongPtrW(handle, GWLP_WNDPROC, (LONG_PTR) windowProc);

    readNativeWindowState(window);

    if (ctxconfig.client != GLFW_NO_API)
    {
        if (!createContext(window, &ctxconfig, &fbconfig))
        {
            glfwDestroyWindow((GLFWwindow*) window);
            return NULL;
        }
    }

    return (GLFWwindow*) window;
}
