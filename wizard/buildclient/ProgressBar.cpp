#include "ProgressBar.h"

#include "ProgressSplit.h"

void CProgressBar::SetPosition(uint32_t position, uint32_t range) {
    m_position = position;
    m_range = range;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);  // posts nothing: safe from any thread
}

LRESULT CProgressBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

void CProgressBar::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    int split = ProgressSplitX(client.left, client.right - client.left, m_position, m_range);
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    RECT done = client, rest = client;
    done.right = split;
    rest.left = split;
    FillRect(dc, &done, green);
    FillRect(dc, &rest, blue);
    FrameRect(dc, &client, blue);
    DeleteObject(green);
    DeleteObject(blue);
    EndPaint(Handle(), &paint);
}
