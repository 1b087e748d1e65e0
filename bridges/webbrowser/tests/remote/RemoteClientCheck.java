import iexplorer.DWebBrowserEvents2;
import iexplorer.IWebBrowser2;
import iexplorer.InternetExplorer;
import iexplorer.OLECMDEXECOPT;
import iexplorer.OLECMDID;

/**
 * Runs the remote-client copies of Jnavctl on a Java VM without the bridge
 * library: every creation and call goes to the remote server (whose
 * stand-in answers "No remote connection"), never to a native.
 */
public class RemoteClientCheck {
    private static int failures;

    private static void check(boolean condition, String what) {
        if (!condition) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    public static void main(String[] args) throws Exception {
        try {
            new InternetExplorer();
            check(false, "creation without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains("No remote connection"), "creation failure: " + ex.getMessage());
        }

        IWebBrowser2 browser = new IWebBrowser2(new brivel.TavoClientObjMap());
        try {
            browser.Navigate("http://a.invalid/");
            check(false, "a call without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains("Navigate"), "call failure names the method: " + ex.getMessage());
        }
        try {
            browser.ExecWB(OLECMDID.OLECMDID_PRINT, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT, null, new brivel.TavoVariant[1]);
            check(false, "a call with an OUT array without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains("ExecWB"), "call failure names the method: " + ex.getMessage());
        }

        // A listener is built without the native sink of the local classes.
        final StringBuilder heard = new StringBuilder();
        DWebBrowserEvents2 listener = new DWebBrowserEvents2() {
            public void StatusTextChange(String text) { heard.append(text); }
            public void ProgressChange(int progress, int max) {}
            public void CommandStateChange(int command, boolean enable) {}
            public void DownloadBegin() {}
            public void DownloadComplete() {}
            public void TitleChange(String text) {}
            public void PropertyChange(String property) {}
            public void BeforeNavigate2(brivel.TavoObject pDisp, brivel.TavoVariant url, brivel.TavoVariant flags,
                                        brivel.TavoVariant frame, brivel.TavoVariant postData, brivel.TavoVariant headers,
                                        boolean[] cancel) { cancel[0] = true; }
            public void NewWindow2(brivel.TavoObject[] ppDisp, boolean[] cancel) {}
            public void NavigateComplete2(brivel.TavoObject pDisp, brivel.TavoVariant url) {}
            public void DocumentComplete(brivel.TavoObject pDisp, brivel.TavoVariant url) {}
            public void OnQuit() {}
            public void OnVisible(boolean visible) {}
            public void OnToolBar(boolean toolBar) {}
            public void OnMenuBar(boolean menuBar) {}
            public void OnStatusBar(boolean statusBar) {}
            public void OnFullScreen(boolean fullScreen) {}
            public void OnTheaterMode(boolean theaterMode) {}
            public void WindowSetResizable(boolean resizable) {}
            public void WindowSetLeft(int left) {}
            public void WindowSetTop(int top) {}
            public void WindowSetWidth(int width) {}
            public void WindowSetHeight(int height) {}
            public void WindowClosing(boolean isChildWindow, boolean[] cancel) {}
            public void ClientToHostWindow(int[] cx, int[] cy) {}
            public void SetSecureLockIcon(int secureLockIcon) {}
            public void FileDownload(boolean[] cancel) {}
            public void NavigateError(brivel.TavoObject pDisp, brivel.TavoVariant url, brivel.TavoVariant frame,
                                      brivel.TavoVariant statusCode, boolean[] cancel) {}
            public void PrintTemplateInstantiation(brivel.TavoObject pDisp) {}
            public void PrintTemplateTeardown(brivel.TavoObject pDisp) {}
            public void UpdatePageStatus(brivel.TavoObject pDisp, brivel.TavoVariant page, brivel.TavoVariant done) {}
            public void PrivacyImpactedStateChange(boolean impacted) {}
            public void NewWindow3(brivel.TavoObject[] ppDisp, boolean[] cancel, int flags, String context, String url) {}
        };
        listener.StatusTextChange("ready");
        check(heard.toString().equals("ready"), "listener method runs");
        boolean[] cancel = {false};
        listener.BeforeNavigate2(null, null, null, null, null, null, cancel);
        check(cancel[0], "OUT value of a listener");
        try {
            new InternetExplorer(new brivel.TavoClientObjMap()).addTavoEventListener(listener);
            check(false, "adding a listener without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains("No remote connection"), "listener failure: " + ex.getMessage());
        }

        if (failures > 0) System.exit(1);
        System.out.println("remote-client classes ok");
    }
}
