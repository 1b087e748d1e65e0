package webbrowser.test;

import bridges.test.RemoteEvents;
import brivel.TavoEventListener;
import brivel.TavoException;
import brivel.TavoIterator;
import brivel.TavoObject;
import brivel.TavoVariant;
import brivel.server.TransactEnv;
import iexplorer.CScriptErrorList;
import iexplorer.IScriptErrorList;
import iexplorer.ISearch;
import iexplorer.ISearchAssistantOC3;
import iexplorer.ISearches;
import iexplorer.IShellNameSpace;
import iexplorer.IShellWindows;
import iexplorer.IWebBrowser;
import iexplorer.IWebBrowser2;
import iexplorer.InternetExplorer;
import iexplorer.OLECMDEXECOPT;
import iexplorer.OLECMDF;
import iexplorer.OLECMDID;
import iexplorer.SearchAssistantOC;
import iexplorer.ShellBrowserWindow;
import iexplorer.ShellNameSpace;
import iexplorer.ShellSearchAssistantOC;
import iexplorer.ShellShellNameSpace;
import iexplorer.ShellUIHelper;
import iexplorer.ShellWindows;
import iexplorer.WebBrowser;
import iexplorer.WebBrowser_V1;
import iexplorer.tagREADYSTATE;

import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.util.ArrayList;
import java.util.List;

import static bridges.test.Checks.*;

/**
 * Java programs that use the test's browser server through the Jnavctl
 * bridge. Each returns normally when every check held and throws
 * AssertionError (or the unexpected exception) otherwise, and releases what
 * it was given, so that the host can check the server's count of references.
 * The server tells the last call it received (GetProperty("lastCall")):
 * "<dispid>/<flags> [<argument>, ...] named=<DISPIDs>".
 */
public final class BrowserRoad {
    private BrowserRoad() {
    }

    static String lastCall(IWebBrowser2 browser) throws TavoException {
        TavoVariant text = browser.GetProperty("lastCall");
        String call = text.getString();
        text.TavoRelease();
        return call;
    }

    static String guidText(Class<?> cls) throws Throwable {
        return (String) callPrivate(null, cls, "__TavoGetGUID", new Class<?>[0]);
    }

    /** A class whose constructor must not run. */
    public static final class NoDefault {
        public final int marker;

        public NoDefault(int marker) {
            this.marker = marker;
        }
    }

    /**
     * The coclass natives: the GUID texts, creation by the ProgID refreshed at
     * load and by the compiled identifier, finding the running object (which
     * wins over creating as a server), creation as a server and remotely
     * refused, and objects made without their constructor.
     */
    public static void creation() throws Throwable {
        same("Shell.Explorer", guidText(WebBrowser_V1.class), "WebBrowser_V1 text");
        same("Shell.Explorer", guidText(WebBrowser.class), "WebBrowser text");
        same("InternetExplorer.Application", guidText(InternetExplorer.class), "InternetExplorer text");
        same("{C08AFD90-F2A1-11D1-8455-00A0C91F3880}", guidText(ShellBrowserWindow.class), "ShellBrowserWindow text");
        same("{9BA05972-F6A8-11CF-A442-00A0C90A8F39}", guidText(ShellWindows.class), "ShellWindows text");
        same("Shell.UIHelper", guidText(ShellUIHelper.class), "ShellUIHelper text");
        same("ShellNameSpace.ShellNameSpace", guidText(ShellNameSpace.class), "ShellNameSpace text");
        same("ShellNameSpace.ShellNameSpace", guidText(ShellShellNameSpace.class), "ShellShellNameSpace text");
        same("{EFD01300-160F-11D2-BB2E-00805FF7EFCA}", guidText(CScriptErrorList.class), "CScriptErrorList text");
        same("SearchAssistantOC.SearchAssistantOC", guidText(SearchAssistantOC.class), "SearchAssistantOC text");
        same("SearchAssistantOC.SearchAssistantOC", guidText(ShellSearchAssistantOC.class), "ShellSearchAssistantOC text");

        // "Shell.Explorer" names the test's browser class only: both classes
        // that share the ProgID create it, through the identifier refreshed at load.
        WebBrowser_V1 first = new WebBrowser_V1();
        same("Web Browser", first.getIWebBrowser2().getName(), "WebBrowser_V1 creates the registered class");
        check(first.getIWebBrowser() != null, "WebBrowser_V1 has IWebBrowser");
        WebBrowser second = new WebBrowser();
        same("Web Browser", second.getIWebBrowser2().getName(), "WebBrowser creates the registered class");
        // An unregistered ProgID leaves the compiled identifier, which names the server.
        InternetExplorer app = new InternetExplorer();
        same("Web Browser", app.getIWebBrowser2().getName(), "InternetExplorer by its compiled identifier");
        expectThrows(TavoException.class, null, () -> new ShellBrowserWindow(), "a class nobody registered");
        expectThrows(TavoException.class, null, () -> new CScriptErrorList(), "a class without a ProgID, not registered");

        // find: the running object the host registered, even with createAsServer.
        WebBrowser running = new WebBrowser(true, true);
        TavoVariant owner = running.getIWebBrowser2().GetProperty("owner");
        same("host", owner.getString(), "the running object is found");
        owner.TavoRelease();
        // As a server: only an out-of-process server would do, and none is registered.
        expectThrows(TavoException.class, null, () -> new WebBrowser(false, true), "creation as a server");
        // Remote creation reaches the runtime, which reaches no machine.
        // (user, password and domain null: the runtime is still called, and answers "RPC server unavailable")
        try {
            new WebBrowser("nohost.invalid");
            check(false, "remote creation without credentials");
        } catch (TavoException e) {
            check(e.getMessage().contains("0x800706BA"), "the runtime's answer: " + e.getMessage());
        }
        expectThrows(TavoException.class, null, () -> new InternetExplorer("nohost.invalid", "user", "secret", "domain"),
                     "remote creation with credentials");
        expectThrows(NullPointerException.class, "RemoteMachine name is null",
                     () -> callPrivate(second, WebBrowser.class, "__TavoCreateObjectRemote",
                                       new Class<?>[] {String.class, String.class, String.class, String.class, Object[].class},
                                       null, null, null, null, new Object[] {second}),
                     "remote creation without a machine");

        // __TavoNewObj: a class without a no-argument constructor is allocated.
        Object made = callPrivate(first, WebBrowser_V1.class, "__TavoNewObj", new Class<?>[] {Class.class}, NoDefault.class);
        check(made instanceof NoDefault, "allocated object of the class");
        same(Integer.valueOf(0), Integer.valueOf(((NoDefault) made).marker), "its constructor did not run");
        Object list = callPrivate(first, WebBrowser_V1.class, "__TavoNewObj", new Class<?>[] {Class.class}, ArrayList.class);
        check(list instanceof ArrayList && ((ArrayList<?>) list).isEmpty(), "a class with one is constructed");

        release(first.getIWebBrowser(), first.getIWebBrowser2(), first);
        release(second.getIWebBrowser(), second.getIWebBrowser2(), second);
        release(app.getIWebBrowserApp(), app.getIWebBrowser2(), app);
        release(running.getIWebBrowser(), running.getIWebBrowser2(), running);
    }

    /**
     * The wrappers: optional fillers, the put's named argument, booleans,
     * OUT arrays, enumerations, results of other types than declared,
     * failures with their description, and the checks that keep a call from
     * being made.
     */
    public static void wrappers() throws Throwable {
        InternetExplorer app = new InternetExplorer();
        final IWebBrowser2 w = app.getIWebBrowser2();
        String filler = "ERROR:80020004";

        w.Navigate("http://a.invalid/page");
        same("104/1 [BSTR:http://a.invalid/page, " + filler + ", " + filler + ", " + filler + ", " + filler + "] named=",
             lastCall(w), "Navigate(String): five arguments, four fillers");
        same("http://a.invalid/page", w.getLocationURL(), "navigated");
        same("page", w.getLocationName(), "location name");
        w.Navigate("b", new TavoVariant(2));
        same("104/1 [BSTR:b, I4:2, " + filler + ", " + filler + ", " + filler + "] named=", lastCall(w),
             "Navigate(String, TavoVariant): three fillers");
        w.Refresh2();
        same("105/1 [" + filler + "] named=", lastCall(w), "Refresh2(): one filler");
        w.Refresh2(new TavoVariant(3));
        same("105/1 [I4:3] named=", lastCall(w), "Refresh2(TavoVariant), the overload of a native without arguments");
        w.Navigate2(new TavoVariant("c"));
        same("500/1 [BSTR:c, " + filler + ", " + filler + ", " + filler + ", " + filler + "] named=", lastCall(w),
             "Navigate2(TavoVariant)");

        w.setLeft(17);
        same("206/4 [I4:17] named=-3", lastCall(w), "a put names DISPID_PROPERTYPUT");
        same(Integer.valueOf(17), Integer.valueOf(w.getLeft()), "get after put");
        same("206/2 [] named=", lastCall(w), "a get");
        w.setVisible(true);
        same("402/4 [BOOL:-1] named=-3", lastCall(w), "true is -1");
        check(w.getVisible(), "visible");
        w.setVisible(false);
        same("402/4 [BOOL:0] named=-3", lastCall(w), "false is 0");
        check(!w.getVisible(), "hidden");
        check(!w.getBusy(), "not busy");
        check(w.getTopLevelContainer(), "top level");
        w.setStatusText(null);
        same("404/4 [BSTR:null] named=-3", lastCall(w), "a null String goes as it is");
        w.setToolBar(2);
        same("405/4 [I4:2] named=-3", lastCall(w), "a long property goes as VT_I4, as a browser takes it");
        same(Integer.valueOf(2), Integer.valueOf(w.getToolBar()), "int property");

        // Untyped objects come as the first class of the map that the object answers.
        TavoObject application = w.getApplication();
        same("IWebBrowser", application.getClass().getSimpleName(), "best class through the interface map");
        same("HTML Document", ((IWebBrowser) application).getType(), "the object answers");
        application.TavoRelease();
        same(null, w.getContainer(), "an empty answer is no object");
        same(null, w.getDocument(), "a null object");
        same(Integer.valueOf(4660), Integer.valueOf(w.getHWND()), "a text answer to a long property is converted");
        same(tagREADYSTATE.READYSTATE_COMPLETE, w.getReadyState(), "enumeration result");
        same(Integer.valueOf(3), Integer.valueOf(w.QueryStatusWB(OLECMDID.OLECMDID_PRINT).getEnumeratedIntValue()),
             "enumeration argument and result");
        same("501/1 [I4:6] named=", lastCall(w), "an enumeration goes as its value");

        TavoVariant in = new TavoVariant("in");
        TavoVariant[] out = new TavoVariant[] {new TavoVariant()};
        w.ExecWB(OLECMDID.OLECMDID_SAVE, OLECMDEXECOPT.OLECMDEXECOPT_DONTPROMPTUSER, in, out);
        same("502/1 [I4:3, I4:2, BSTR:in, REF|VARIANT:EMPTY] named=", lastCall(w), "ExecWB's arguments");
        same("exec 3 2 BSTR:in", out[0].getString(), "VARIANT OUT value");
        out[0].TavoRelease();
        w.ExecWB(OLECMDID.OLECMDID_SAVE, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT);
        same("502/1 [I4:3, I4:0, " + filler + ", " + filler + "] named=", lastCall(w), "ExecWB with two fillers");

        // Checks that fail keep the call from being made.
        w.GoBack();
        final String before = lastCall(w);
        final TavoVariant[] one = new TavoVariant[] {new TavoVariant()};
        expectThrows(NullPointerException.class, "Argument 3 is null",
                     () -> w.ExecWB(OLECMDID.OLECMDID_SAVE, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT, null, one), "null VARIANT");
        expectThrows(TavoException.class, "Array of length 1 must be passed for OUT parameters",
                     () -> w.ExecWB(OLECMDID.OLECMDID_SAVE, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT, in,
                                    new TavoVariant[] {new TavoVariant(), new TavoVariant()}),
                     "OUT array of two");
        expectThrows(NullPointerException.class, "Array of length 1 must be passed to retrieve out parameters, found null.",
                     () -> w.ExecWB(OLECMDID.OLECMDID_SAVE, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT, in, null), "null OUT array");
        expectThrows(NullPointerException.class, "Argument 4 is null",
                     () -> w.ExecWB(OLECMDID.OLECMDID_SAVE, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT, in, new TavoVariant[1]),
                     "null element of the OUT array");
        expectThrows(NullPointerException.class, "Array of length 1 must be passed to retrieve out parameters, found null.",
                     () -> w.ClientToWindow(new int[1], null), "null int OUT array");
        expectThrows(TavoException.class, "Array of length 1 must be passed for OUT parameters",
                     () -> w.ClientToWindow(new int[0], new int[1]), "empty int OUT array");
        expectThrows(NullPointerException.class, "Argument 2 is null", () -> w.PutProperty("x", null), "null VARIANT value");
        expectThrows(NullPointerException.class, "Enumerated value is null",
                     () -> w.ExecWB(null, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT), "null enumeration");
        expectThrows(NullPointerException.class, "Enumerated value is null",
                     () -> w.ExecWB(OLECMDID.OLECMDID_SAVE, null, in, one), "null second enumeration");
        expectThrows(NullPointerException.class, "Enumerated value is null", () -> w.QueryStatusWB(null),
                     "null enumeration of a method with a result");
        same(before, lastCall(w), "no call was made by a wrapper whose check failed");

        // OUT ints come back, also from a call that fails.
        int[] cx = {100}, cy = {50};
        w.ClientToWindow(cx, cy);
        same("104 73", cx[0] + " " + cy[0], "OUT ints");
        same("301/1 [REF|I4:100, REF|I4:50] named=", lastCall(w), "by reference, as the arrays held them");
        final int[] nx = {-10}, ny = {5};
        expectThrows(TavoException.class, null, () -> w.ClientToWindow(nx, ny), "a failing call");
        same("-6 28", nx[0] + " " + ny[0], "OUT ints copied back before the failure is thrown");

        // Failures carry the server's description.
        try {
            w.GoSearch();
            check(false, "GoSearch fails");
        } catch (TavoException e) {
            check(e.getMessage().contains("No search page is set"), "description in the exception: " + e.getMessage());
        }
        try {
            w.ExecWB(OLECMDID.OLECMDID_STOP, OLECMDEXECOPT.OLECMDEXECOPT_DODEFAULT, in, out);
            check(false, "ExecWB(stop) fails");
        } catch (TavoException e) {
            check(e.getMessage().contains("Nothing to stop"), "description in the exception: " + e.getMessage());
        }
        in.TavoRelease();

        w.PutProperty("color", new TavoVariant("blue"));
        TavoVariant color = w.GetProperty("color");
        same("blue", color.getString(), "VARIANT result");
        color.TavoRelease();

        // An interface object never loaded has no COM object behind it.
        final IWebBrowser2 empty = (IWebBrowser2) callPrivate(app, InternetExplorer.class, "__TavoNewObj",
                                                               new Class<?>[] {Class.class}, IWebBrowser2.class);
        w.GoForward();
        String marker = lastCall(w);
        expectThrows(NullPointerException.class, "Uninitialized TavoObject", () -> empty.getName(), "uninitialised get");
        expectThrows(NullPointerException.class, "Uninitialized TavoObject", () -> empty.setLeft(1), "uninitialised put");
        expectThrows(NullPointerException.class, "Uninitialized TavoObject", () -> empty.Navigate("x"), "uninitialised method");
        same(marker, lastCall(w), "an uninitialised object calls nothing");

        // __TavoLoad: an interface the object lacks fails, thrown only when not initial.
        final IShellWindows notThere = (IShellWindows) callPrivate(app, InternetExplorer.class, "__TavoNewObj",
                                                                  new Class<?>[] {Class.class}, IShellWindows.class);
        Method load = IShellWindows.class.getDeclaredMethod("__TavoLoad", TavoObject.class, boolean.class);
        load.setAccessible(true);
        try {
            load.invoke(notThere, app, Boolean.FALSE);
            check(false, "__TavoLoad of an interface the object lacks throws when not initial");
        } catch (InvocationTargetException e) {
            same(TavoException.class, e.getCause().getClass(), "__TavoLoad failure");
        }
        same(Boolean.TRUE, load.invoke(notThere, app, Boolean.TRUE), "initial load falls back to IDispatch");
        try {
            load.invoke(notThere, null, Boolean.TRUE);
            check(false, "__TavoLoad of no object");
        } catch (InvocationTargetException e) {
            same("Argument 1 is null", e.getCause().getMessage(), "__TavoLoad of no object");
        }
        notThere.TavoRelease();

        release(app.getIWebBrowserApp(), w, app);
    }

    /** The search assistant: booleans, a typed interface result, a collection and its enumerator. */
    public static void searches() throws Throwable {
        SearchAssistantOC assistant = new SearchAssistantOC();
        ISearchAssistantOC3 a = assistant.getISearchAssistantOC3();
        a.NavigateToDefaultSearch();
        same("search?substitute=-1&customize=0", a.GetSearchAssistantURL(true, false), "two booleans");
        same("search?substitute=0&customize=-1", a.GetSearchAssistantURL(false, true), "two booleans swapped");
        same(Integer.valueOf(3), Integer.valueOf(a.getVersion()), "int result");
        a.setUseSearchCompanion(true);
        check(a.getUseSearchCompanion(), "boolean put and get");
        a.setASProvider("prov");
        same("prov", a.getASProvider(), "text put and get");

        InternetExplorer app = new InternetExplorer();
        IWebBrowser2 browser = app.getIWebBrowser2();
        ISearches list = a.getSearches();
        same("ISearches", list.getClass().getSimpleName(), "typed interface result");
        same(Integer.valueOf(2), Integer.valueOf(list.getCount()), "count");
        ISearch dflt = list.Item();
        same("1610743810/1 [ERROR:80020004] named=", lastCall(browser), "Item() fills its optional index");
        same("Web", dflt.getTitle(), "Item() without its optional index");
        ISearch files = list.Item(new TavoVariant(1));
        same("1610743810/1 [I4:1] named=", lastCall(browser), "Item(TavoVariant) passes the VARIANT");
        same("Files", files.getTitle(), "Item(1)");
        same("http://search.invalid/files", files.getURL(), "URL");
        final List<String> titles = new ArrayList<String>();
        final List<TavoObject> items = new ArrayList<TavoObject>();
        list.brivelEnumerator(new TavoIterator() {
            public boolean TavoNextItem(Object item) {
                items.add((TavoObject) item);
                try {
                    titles.add(((ISearch) item).getTitle());
                } catch (TavoException e) {
                    throw new RuntimeException(e);
                }
                return true;
            }
        });
        same("[Web, Files]", titles.toString(), "the enumerator's items, as ISearch");
        for (TavoObject o : items) o.TavoRelease();
        release(dflt, files, list, a, assistant, app.getIWebBrowserApp(), browser, app);
    }

    /** The shell's window list: an object argument, OUT ints, the list and its enumerator; the name space's object put. */
    public static void shellWindows() throws Throwable {
        ShellWindows windows = new ShellWindows();
        final IShellWindows list = windows.getIShellWindows();
        InternetExplorer app = new InternetExplorer();
        IWebBrowser2 browser = app.getIWebBrowser2();
        int[] cookie = new int[1];
        list.Register(browser, 0x1234, 1, cookie);
        same("1610743811/1 [DISPATCH, I4:4660, I4:1, REF|I4:0] named=", lastCall(browser),
             "Register's arguments (a long parameter goes as VT_I4, as a browser takes it)");
        same(Integer.valueOf(1), Integer.valueOf(cookie[0]), "cookie OUT value");
        same(Integer.valueOf(1), Integer.valueOf(list.getCount()), "one window");
        TavoObject first = list.Item(new TavoVariant(0));
        same("IWebBrowser", first.getClass().getSimpleName(), "a window, as the best class of the map");
        first.TavoRelease();
        TavoObject none = list.Item(new TavoVariant(5));
        same(null, none, "no such window");
        int[] hwnd = new int[1];
        TavoObject found = list.FindWindowSW(new TavoVariant("here"), new TavoVariant(""), 1, hwnd, 0);
        same(Integer.valueOf(0x10001), Integer.valueOf(hwnd[0]), "OUT window handle");
        check(found != null, "found");
        found.TavoRelease();
        final List<TavoObject> seen = new ArrayList<TavoObject>();
        list.brivelEnumerator(new TavoIterator() {
            public boolean TavoNextItem(Object item) {
                seen.add((TavoObject) item);
                return true;
            }
        });
        same(Integer.valueOf(1), Integer.valueOf(seen.size()), "enumerated windows");
        for (TavoObject o : seen) o.TavoRelease();
        list.Revoke(cookie[0]);
        same(Integer.valueOf(0), Integer.valueOf(list.getCount()), "revoked");
        expectThrows(NullPointerException.class, "Argument 1 is null", () -> list.Register(null, 0, 0, new int[1]),
                     "a null object argument");

        ShellNameSpace space = new ShellNameSpace();
        final IShellNameSpace ns = space.getIShellNameSpace();
        ns.setSelectedItem(browser);
        same("15/4 [DISPATCH] named=-3", lastCall(browser), "an object put goes as VT_DISPATCH");
        TavoObject selected = ns.getSelectedItem();
        same("IWebBrowser", selected.getClass().getSimpleName(), "the selected object comes back");
        selected.TavoRelease();
        expectThrows(NullPointerException.class, "Argument 1 is null", () -> ns.setSelectedItem(null), "null object put");
        ns.setDepth(3);
        same(Integer.valueOf(3), Integer.valueOf(ns.getDepth()), "int put");

        release(ns, space, list, windows, app.getIWebBrowserApp(), browser, app);
    }

    // ---- Events: the host fires them at the sinks of these objects. ----

    static final List<TavoObject> sources = new ArrayList<TavoObject>();
    static final List<TavoEventListener> listeners = new ArrayList<TavoEventListener>();

    /** Makes one object of each kind with events and adds a listener of each of its event interfaces. */
    public static void listen() throws Throwable {
        WebBrowser browser = new WebBrowser();
        Listeners.DWebBrowserEvents2Heard two = new Listeners.DWebBrowserEvents2Heard();
        Listeners.DWebBrowserEventsHeard one = new Listeners.DWebBrowserEventsHeard();
        browser.addTavoEventListener(two);
        browser.addTavoEventListener(one);
        ShellWindows windows = new ShellWindows();
        Listeners.DShellWindowsEventsHeard w = new Listeners.DShellWindowsEventsHeard();
        windows.addTavoEventListener(w);
        SearchAssistantOC search = new SearchAssistantOC();
        Listeners.SearchAssistantEventsHeard s = new Listeners.SearchAssistantEventsHeard();
        search.addTavoEventListener(s);
        ShellNameSpace space = new ShellNameSpace();
        Listeners.DShellNameSpaceEventsHeard n = new Listeners.DShellNameSpaceEventsHeard();
        space.addTavoEventListener(n);
        sources.add(browser);
        sources.add(windows);
        sources.add(search);
        sources.add(space);
        listeners.add(two);
        listeners.add(one);
        listeners.add(w);
        listeners.add(s);
        listeners.add(n);
        Listeners.replacement = browser.getIWebBrowser2();
    }

    /** The object of the given index (browser, shell windows, search assistant, name space). */
    public static TavoObject source(int i) {
        return sources.get(i);
    }

    /** The listener of the given index (the order of listen()). */
    public static TavoEventListener listener(int i) {
        return listeners.get(i);
    }

    /** Removes the listeners, releases them and the objects; answers the listeners' weak references. */
    public static Object[] stopListening() throws Throwable {
        WebBrowser browser = (WebBrowser) sources.get(0);
        browser.removeTavoEventListener((Listeners.DWebBrowserEvents2Heard) listeners.get(0));
        browser.removeTavoEventListener((Listeners.DWebBrowserEventsHeard) listeners.get(1));
        ((ShellWindows) sources.get(1)).removeTavoEventListener((Listeners.DShellWindowsEventsHeard) listeners.get(2));
        ((SearchAssistantOC) sources.get(2)).removeTavoEventListener((Listeners.SearchAssistantEventsHeard) listeners.get(3));
        ((ShellNameSpace) sources.get(3)).removeTavoEventListener((Listeners.DShellNameSpaceEventsHeard) listeners.get(4));
        Object[] weak = new Object[listeners.size()];
        for (int i = 0; i < weak.length; ++i) {
            weak[i] = new java.lang.ref.WeakReference<Object>(listeners.get(i));
            listeners.get(i).TavoRelease();
        }
        listeners.clear();
        Listeners.replacement = null;
        release(browser.getIWebBrowser(), browser.getIWebBrowser2(), browser);
        release(((ShellWindows) sources.get(1)).getIShellWindows(), sources.get(1));
        release(((SearchAssistantOC) sources.get(2)).getISearchAssistantOC3(), sources.get(2));
        release(((ShellNameSpace) sources.get(3)).getIShellNameSpace(), sources.get(3));
        sources.clear();
        return weak;
    }

    /** Whether the VM has collected every listener of the references (after collections of its own). */
    public static boolean collected(Object[] weak) throws InterruptedException {
        return allCollected(weak);
    }

    // ---- Events of a remote client: the server-side sink forwards them. ----

    static WebBrowser remoteSource;
    static Object[] remoteRegistration;

    /**
     * Registers the remote client's interest in DWebBrowserEvents2 as the
     * server library does; the forwarder answers Cancel with true. Answers
     * what the registration of a name in another case gave (null expected).
     */
    public static Object listenRemotely() throws Throwable {
        remoteSource = new WebBrowser();
        Class<?>[] types = {String.class};
        Object wrongCase = callPrivate(remoteSource, WebBrowser.class, "__RemoteEventAdd", types, "iexplorer.dwebbrowserevents2");
        check(callPrivate(remoteSource, WebBrowser.class, "__RemoteEventAdd", types, "DWebBrowserEvents2") == null,
              "the name without its package is not registered");
        remoteRegistration = RemoteEvents.register(remoteSource, WebBrowser.class, "iexplorer.DWebBrowserEvents2");
        TransactEnv.setEventForwarder(new TransactEnv.EventForwarder() {
            public Object forward(Object source, String interfaceName, String eventName, Object[] args) {
                StringBuilder text = new StringBuilder(eventName + " " + interfaceName);
                for (Object arg : args) text.append(' ').append(Listeners.show(arg));
                RemoteEvents.note(text, source == remoteSource);
                for (Object arg : args) {
                    if (arg instanceof boolean[]) ((boolean[]) arg)[0] = true;
                    Listeners.release(arg);
                }
                return null;
            }
        });
        return wrongCase;
    }

    public static String forwardedEvents() {
        return RemoteEvents.take();
    }

    /** Removes the remote registration as the server library does, and releases the object. */
    public static void stopListeningRemotely() throws Throwable {
        RemoteEvents.unregister(remoteSource, remoteRegistration);
        release(remoteSource.getIWebBrowser(), remoteSource.getIWebBrowser2(), remoteSource);
        remoteSource = null;
        remoteRegistration = null;
    }
}
