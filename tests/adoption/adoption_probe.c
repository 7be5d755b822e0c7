// Reads GLFW's internal window record for the adoption tests.
#include "internal.h"

#include "adoption_probe.h"

int probeAttached(GLFWwindow* window)
{
    return ((_GLFWwindow*) window)->win32.attached;
}

WNDPROC probeOldWndProc(GLFWwindow* window)
{
    return ((_GLFWwindow*) window)->win32.oldWndProc;
}

int probeMaximized(GLFWwindow* window)
{
    return ((_GLFWwindow*) window)->win32.maximized;
}

int probeIconified(GLFWwindow* window)
{
    return ((_GLFWwindow*) window)->win32.iconified;
}

int probeWindowCount(void)
{
    int count = 0;
    _GLFWwindow* window;

    for (window = _glfw.windowListHead;  window;  window = window->next)
        count++;

    return count;
}
