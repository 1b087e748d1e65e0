package webbrowser.test;

import brivel.TavoObject;
import brivel.TavoVariant;

import java.util.ArrayList;
import java.util.List;

/**
 * Listeners of the five event interfaces. Every event is written to one log
 * as "Name(argument, ...)"; OUT arguments are then answered as the test set
 * them up (a boolean flipped, an int raised by 100, an object replaced), and
 * the listener throws after answering when the event is the failing one.
 */
public final class Listeners {
    private Listeners() {
    }

    /** What the listeners heard, in order. */
    public static final List<String> heard = new ArrayList<String>();
    /** The event whose listener method throws (after setting its OUT values). */
    public static volatile String failing = "";
    /** The object an OUT object argument receives; null empties the slot. */
    public static volatile TavoObject replacement;

    public static synchronized String take() {
        String text = String.join("\n", heard);
        heard.clear();
        return text;
    }

    static String show(Object value) {
        if (value == null) return "null";
        if (value instanceof boolean[]) return "[" + ((boolean[]) value)[0] + "]";
        if (value instanceof int[]) return "[" + ((int[]) value)[0] + "]";
        if (value instanceof TavoObject[]) return "[" + show(((TavoObject[]) value)[0]) + "]";
        if (value instanceof TavoVariant) {
            TavoVariant v = (TavoVariant) value;
            try {
                int vt = v.getVarType();
                if (vt == 8) return "V:" + v.getString();
                if (vt == 3) return "V:" + v.getInt();
                return "V" + vt;
            } catch (brivel.TavoException e) {
                return "V?" + e.getMessage();
            }
        }
        if (value instanceof TavoObject) return value.getClass().getSimpleName();
        return String.valueOf(value);
    }

    static void heard(String event, Object... args) {
        StringBuilder text = new StringBuilder(event).append('(');
        for (int i = 0; i < args.length; ++i) text.append(i == 0 ? "" : ", ").append(show(args[i]));
        synchronized (Listeners.class) {
            heard.add(text.append(')').toString());
        }
        for (Object arg : args) {
            if (arg instanceof boolean[]) ((boolean[]) arg)[0] = !((boolean[]) arg)[0];
            if (arg instanceof int[]) ((int[]) arg)[0] += 100;
            if (arg instanceof TavoObject[]) {
                release(((TavoObject[]) arg)[0]);
                ((TavoObject[]) arg)[0] = replacement;
            }
            release(arg);
        }
        if (event.equals(failing)) throw new IllegalStateException("listener failed in " + event);
    }

    /** Objects and VARIANTs that arrive in events are the listener's to release. */
    static void release(Object arg) {
        if (arg instanceof TavoObject) ((TavoObject) arg).TavoRelease();
        if (arg instanceof TavoVariant) ((TavoVariant) arg).TavoRelease();
    }

    static synchronized void reported(String what) {
        heard.add(what);
    }

    /** Hears every event of DWebBrowserEvents2. */
    public static class DWebBrowserEvents2Heard extends iexplorer.DWebBrowserEvents2 {
        public void StatusTextChange(String Text) {
            heard("StatusTextChange", Text);
        }
        public void ProgressChange(int Progress, int ProgressMax) {
            heard("ProgressChange", Progress, ProgressMax);
        }
        public void CommandStateChange(int Command, boolean Enable) {
            heard("CommandStateChange", Command, Enable);
        }
        public void DownloadBegin() {
            heard("DownloadBegin");
        }
        public void DownloadComplete() {
            heard("DownloadComplete");
        }
        public void TitleChange(String Text) {
            heard("TitleChange", Text);
        }
        public void PropertyChange(String szProperty) {
            heard("PropertyChange", szProperty);
        }
        public void BeforeNavigate2(brivel.TavoObject pDisp, brivel.TavoVariant URL, brivel.TavoVariant Flags, brivel.TavoVariant TargetFrameName, brivel.TavoVariant PostData, brivel.TavoVariant Headers, boolean[] Cancel) {
            heard("BeforeNavigate2", pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
        }
        public void NewWindow2(brivel.TavoObject[] ppDisp, boolean[] Cancel) {
            heard("NewWindow2", ppDisp, Cancel);
        }
        public void NavigateComplete2(brivel.TavoObject pDisp, brivel.TavoVariant URL) {
            heard("NavigateComplete2", pDisp, URL);
        }
        public void DocumentComplete(brivel.TavoObject pDisp, brivel.TavoVariant URL) {
            heard("DocumentComplete", pDisp, URL);
        }
        public void OnQuit() {
            heard("OnQuit");
        }
        public void OnVisible(boolean Visible) {
            heard("OnVisible", Visible);
        }
        public void OnToolBar(boolean ToolBar) {
            heard("OnToolBar", ToolBar);
        }
        public void OnMenuBar(boolean MenuBar) {
            heard("OnMenuBar", MenuBar);
        }
        public void OnStatusBar(boolean StatusBar) {
            heard("OnStatusBar", StatusBar);
        }
        public void OnFullScreen(boolean FullScreen) {
            heard("OnFullScreen", FullScreen);
        }
        public void OnTheaterMode(boolean TheaterMode) {
            heard("OnTheaterMode", TheaterMode);
        }
        public void WindowSetResizable(boolean Resizable) {
            heard("WindowSetResizable", Resizable);
        }
        public void WindowSetLeft(int Left) {
            heard("WindowSetLeft", Left);
        }
        public void WindowSetTop(int Top) {
            heard("WindowSetTop", Top);
        }
        public void WindowSetWidth(int Width) {
            heard("WindowSetWidth", Width);
        }
        public void WindowSetHeight(int Height) {
            heard("WindowSetHeight", Height);
        }
        public void WindowClosing(boolean IsChildWindow, boolean[] Cancel) {
            heard("WindowClosing", IsChildWindow, Cancel);
        }
        public void ClientToHostWindow(int[] CX, int[] CY) {
            heard("ClientToHostWindow", CX, CY);
        }
        public void SetSecureLockIcon(int SecureLockIcon) {
            heard("SetSecureLockIcon", SecureLockIcon);
        }
        public void FileDownload(boolean[] Cancel) {
            heard("FileDownload", Cancel);
        }
        public void NavigateError(brivel.TavoObject pDisp, brivel.TavoVariant URL, brivel.TavoVariant Frame, brivel.TavoVariant StatusCode, boolean[] Cancel) {
            heard("NavigateError", pDisp, URL, Frame, StatusCode, Cancel);
        }
        public void PrintTemplateInstantiation(brivel.TavoObject pDisp) {
            heard("PrintTemplateInstantiation", pDisp);
        }
        public void PrintTemplateTeardown(brivel.TavoObject pDisp) {
            heard("PrintTemplateTeardown", pDisp);
        }
        public void UpdatePageStatus(brivel.TavoObject pDisp, brivel.TavoVariant nPage, brivel.TavoVariant fDone) {
            heard("UpdatePageStatus", pDisp, nPage, fDone);
        }
        public void PrivacyImpactedStateChange(boolean bImpacted) {
            heard("PrivacyImpactedStateChange", bImpacted);
        }
        public void NewWindow3(brivel.TavoObject[] ppDisp, boolean[] Cancel, int dwFlags, String bstrUrlContext, String bstrUrl) {
            heard("NewWindow3", ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl);
        }

        public void TavoOnEventError(String event, String error) {
            reported("error " + event + ": " + error);
        }

        public void TavoOnEventException(String event, Throwable exception) {
            reported("exception " + event + ": " + exception);
        }
    }

    /** Hears every event of DWebBrowserEvents. */
    public static class DWebBrowserEventsHeard extends iexplorer.DWebBrowserEvents {
        public void BeforeNavigate(String URL, int Flags, String TargetFrameName, brivel.TavoVariant PostData, String Headers, boolean[] Cancel) {
            heard("BeforeNavigate", URL, Flags, TargetFrameName, PostData, Headers, Cancel);
        }
        public void NavigateComplete(String URL) {
            heard("NavigateComplete", URL);
        }
        public void StatusTextChange(String Text) {
            heard("StatusTextChange", Text);
        }
        public void ProgressChange(int Progress, int ProgressMax) {
            heard("ProgressChange", Progress, ProgressMax);
        }
        public void DownloadComplete() {
            heard("DownloadComplete");
        }
        public void CommandStateChange(int Command, boolean Enable) {
            heard("CommandStateChange", Command, Enable);
        }
        public void DownloadBegin() {
            heard("DownloadBegin");
        }
        public void NewWindow(String URL, int Flags, String TargetFrameName, brivel.TavoVariant PostData, String Headers, boolean[] Processed) {
            heard("NewWindow", URL, Flags, TargetFrameName, PostData, Headers, Processed);
        }
        public void TitleChange(String Text) {
            heard("TitleChange", Text);
        }
        public void FrameBeforeNavigate(String URL, int Flags, String TargetFrameName, brivel.TavoVariant PostData, String Headers, boolean[] Cancel) {
            heard("FrameBeforeNavigate", URL, Flags, TargetFrameName, PostData, Headers, Cancel);
        }
        public void FrameNavigateComplete(String URL) {
            heard("FrameNavigateComplete", URL);
        }
        public void FrameNewWindow(String URL, int Flags, String TargetFrameName, brivel.TavoVariant PostData, String Headers, boolean[] Processed) {
            heard("FrameNewWindow", URL, Flags, TargetFrameName, PostData, Headers, Processed);
        }
        public void Quit(boolean[] Cancel) {
            heard("Quit", Cancel);
        }
        public void WindowMove() {
            heard("WindowMove");
        }
        public void WindowResize() {
            heard("WindowResize");
        }
        public void WindowActivate() {
            heard("WindowActivate");
        }
        public void PropertyChange(String Property) {
            heard("PropertyChange", Property);
        }

        public void TavoOnEventError(String event, String error) {
            reported("error " + event + ": " + error);
        }

        public void TavoOnEventException(String event, Throwable exception) {
            reported("exception " + event + ": " + exception);
        }
    }

    /** Hears every event of DShellWindowsEvents. */
    public static class DShellWindowsEventsHeard extends iexplorer.DShellWindowsEvents {
        public void WindowRegistered(int lCookie) {
            heard("WindowRegistered", lCookie);
        }
        public void WindowRevoked(int lCookie) {
            heard("WindowRevoked", lCookie);
        }

        public void TavoOnEventError(String event, String error) {
            reported("error " + event + ": " + error);
        }

        public void TavoOnEventException(String event, Throwable exception) {
            reported("exception " + event + ": " + exception);
        }
    }

    /** Hears every event of _SearchAssistantEvents. */
    public static class SearchAssistantEventsHeard extends iexplorer._SearchAssistantEvents {
        public void OnNextMenuSelect(int idItem) {
            heard("OnNextMenuSelect", idItem);
        }
        public void OnNewSearch() {
            heard("OnNewSearch");
        }

        public void TavoOnEventError(String event, String error) {
            reported("error " + event + ": " + error);
        }

        public void TavoOnEventException(String event, Throwable exception) {
            reported("exception " + event + ": " + exception);
        }
    }

    /** Hears every event of DShellNameSpaceEvents. */
    public static class DShellNameSpaceEventsHeard extends iexplorer.DShellNameSpaceEvents {
        public void FavoritesSelectionChange(int cItems, int hItem, String strName, String strUrl, int cVisits, String strDate, int fAvailableOffline) {
            heard("FavoritesSelectionChange", cItems, hItem, strName, strUrl, cVisits, strDate, fAvailableOffline);
        }
        public void SelectionChange() {
            heard("SelectionChange");
        }
        public void DoubleClick() {
            heard("DoubleClick");
        }
        public void Initialized() {
            heard("Initialized");
        }

        public void TavoOnEventError(String event, String error) {
            reported("error " + event + ": " + error);
        }

        public void TavoOnEventException(String event, Throwable exception) {
            reported("exception " + event + ": " + exception);
        }
    }

    /** A listener of no event interface: it has none of the event methods. */
    public static class Bare extends brivel.TavoEventListener {
        public void TavoOnEventError(String event, String error) {
            reported("error " + event + ": " + error);
        }
    }
}
