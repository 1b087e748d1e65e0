package sample.test;

import bridges.test.RemoteEvents;
import brivel.TavoEventListener;
import brivel.TavoException;
import brivel.TavoObject;
import brivel.server.TransactEnv;
import j2c.tutorial.BrivelSampleActiveX;
import j2c.tutorial._DBrivelSampleActiveX;

import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.util.Date;
import java.util.List;

import static bridges.test.Checks.*;

/**
 * Java programs that use the test's sample control through the
 * JBrivelSampleActiveX bridge. Each returns normally when every check held
 * and throws AssertionError (or the unexpected exception) otherwise, and
 * releases what it was given, so that the host can check the server's count
 * of references. The host reads the calls the control received.
 */
public final class SampleRoad {
    private SampleRoad() {
    }

    /**
     * The coclass natives and every wrapper with its result: the GUID text
     * (the class identifier: the control has no ProgID), the start time,
     * the name, the text, SetText with a control that marks the string it
     * is handed, SendTimerTicks without ticks, AboutBox.
     */
    public static void wrappers() throws Throwable {
        same("{D639163A-1B7C-4DA4-91EE-17112BCFD1A4}",
             callPrivate(null, BrivelSampleActiveX.class, "__TavoGetGUID", new Class<?>[0]), "GUID text");
        for (Method m : BrivelSampleActiveX.class.getDeclaredMethods())
            check(!m.getName().equals("__TavoCreateObjectRemote"), "the control class offers no remote creation");

        long before = System.currentTimeMillis() / 1000 * 1000;  // the control keeps whole seconds
        BrivelSampleActiveX control = new BrivelSampleActiveX();
        long after = System.currentTimeMillis();
        _DBrivelSampleActiveX sample = control.get_DBrivelSampleActiveX();
        Date start = sample.GetStartTime();
        check(start != null, "a start time");
        check(start.getTime() >= before && start.getTime() <= after,
              "the start time " + start.getTime() + " lies between " + before + " and " + after);
        same(start, sample.GetStartTime(), "the start time stays");

        same("BrivelSampleActiveX Control", sample.GetControlName(), "control name");
        same("", sample.GetText(), "no text yet");

        // The control overwrites the string it receives; the Java string is
        // not changed and nothing is copied back.
        String text = new String("Hello, sample");
        sample.SetText(text);
        same("Hello, sample", text, "the Java string after SetText");
        same("Hello, sample", sample.GetText(), "the text the control kept");
        String wide = "Gr\u00fc\u00dfe \u20ac";
        sample.SetText(wide);
        same("Gr\u00fc\u00dfe \u20ac", wide, "a text beyond ASCII after SetText");
        same("Gr\u00fc\u00dfe \u20ac", sample.GetText(), "a text beyond ASCII kept");
        sample.SetText(null);  // passed on as it is: the control reads an empty string
        same("", sample.GetText(), "no text");

        check(!sample.SendTimerTicks("quiet", (short) 0), "no tick sent: false");
        sample.AboutBox();
        release(sample, control);
    }

    /** SendTimerTicks fires one Timer event per tick before it returns; true when it sent any. */
    public static void ticks() throws Throwable {
        BrivelSampleActiveX control = new BrivelSampleActiveX();
        _DBrivelSampleActiveX sample = control.get_DBrivelSampleActiveX();
        SampleListener listener = new SampleListener();
        control.addTavoEventListener(listener);
        Date start = sample.GetStartTime();

        String name = new String("tick");
        check(sample.SendTimerTicks(name, (short) 3), "ticks sent: true");
        same("tick", name, "the Java string after SendTimerTicks");
        List<Date> dates = SampleListener.takeTimerDates();
        same(3, dates.size(), "one Timer event per tick");
        for (int tick = 1; tick <= 3; ++tick)
            same(start.getTime() + 1000L * tick, dates.get(tick - 1).getTime(), "the date of tick " + tick);
        String heard = SampleListener.take();
        check(heard.startsWith("Timer(tick, "), "Timer events heard: " + heard);
        same(3, heard.split("\n").length, "three events heard: " + heard);
        for (String line : heard.split("\n")) check(line.startsWith("Timer(tick, "), "a Timer event: " + line);
        check(heard.endsWith(", 3)"), "the last tick is 3: " + heard);

        check(!sample.SendTimerTicks("none", (short) 0), "no tick: false");
        same("", SampleListener.take(), "no tick: no event");

        control.removeTavoEventListener(listener);
        listener.TavoRelease();
        check(sample.SendTimerTicks("unheard", (short) 1), "a tick sent");
        same("", SampleListener.take(), "a removed listener hears nothing");
        release(sample, control);
    }

    /**
     * Calls every wrapper on a control that fails every call (the host set
     * its failure first): each throws brivel.TavoException with the
     * description `failure`, or "COM error 0x<hr>" when `failure` is a number.
     */
    public static void failures(String failure) throws Throwable {
        BrivelSampleActiveX control = new BrivelSampleActiveX();
        final _DBrivelSampleActiveX sample = control.get_DBrivelSampleActiveX();
        expectThrows(TavoException.class, failure.replace("<id>", "1"), () -> sample.GetStartTime(), "GetStartTime");
        expectThrows(TavoException.class, failure.replace("<id>", "2"), () -> sample.GetControlName(), "GetControlName");
        expectThrows(TavoException.class, failure.replace("<id>", "3"), () -> sample.GetText(), "GetText");
        expectThrows(TavoException.class, failure.replace("<id>", "4"), () -> sample.SetText("lost"), "SetText");
        expectThrows(TavoException.class, failure.replace("<id>", "5"), () -> sample.SendTimerTicks("lost", (short) 1),
                     "SendTimerTicks");
        expectThrows(TavoException.class, failure.replace("<id>", "-552"), () -> sample.AboutBox(), "AboutBox");
        release(sample, control);
    }

    /** A failure of the control's own: a negative number of ticks. */
    public static void negativeTicks() throws Throwable {
        BrivelSampleActiveX control = new BrivelSampleActiveX();
        final _DBrivelSampleActiveX sample = control.get_DBrivelSampleActiveX();
        expectThrows(TavoException.class, "The number of ticks cannot be negative",
                     () -> sample.SendTimerTicks("back", (short) -1), "negative ticks");
        release(sample, control);
    }

    /**
     * Wrappers of an object without a COM pointer (made without creation,
     * and one released) throw NullPointerException "Uninitialized
     * TavoObject" and call nothing.
     */
    public static void uninitialized() throws Throwable {
        Constructor<_DBrivelSampleActiveX> make = _DBrivelSampleActiveX.class.getDeclaredConstructor();
        make.setAccessible(true);
        BrivelSampleActiveX control = new BrivelSampleActiveX();
        _DBrivelSampleActiveX released = control.get_DBrivelSampleActiveX();
        released.TavoRelease();
        for (final _DBrivelSampleActiveX sample : new _DBrivelSampleActiveX[] {make.newInstance(), released}) {
            String which = sample == released ? "released: " : "never created: ";
            String npe = "Uninitialized TavoObject";
            expectThrows(NullPointerException.class, npe, () -> sample.GetStartTime(), which + "GetStartTime");
            expectThrows(NullPointerException.class, npe, () -> sample.GetControlName(), which + "GetControlName");
            expectThrows(NullPointerException.class, npe, () -> sample.GetText(), which + "GetText");
            expectThrows(NullPointerException.class, npe, () -> sample.SetText("x"), which + "SetText");
            expectThrows(NullPointerException.class, npe, () -> sample.SendTimerTicks("x", (short) 1), which + "SendTimerTicks");
            expectThrows(NullPointerException.class, npe, () -> sample.AboutBox(), which + "AboutBox");
        }
        release(control);
    }

    // ---- Events the host fires at a listener ----

    static BrivelSampleActiveX source;
    static SampleListener listener;

    public static void listen() throws Throwable {
        source = new BrivelSampleActiveX();
        listener = new SampleListener();
        source.addTavoEventListener(listener);
    }

    public static TavoEventListener listener() {
        return listener;
    }

    /** Removes the listener, releases it and the control; answers the listener's weak reference. */
    public static Object stopListening() throws Throwable {
        source.removeTavoEventListener(listener);
        Object weak = new java.lang.ref.WeakReference<Object>(listener);
        listener.TavoRelease();
        listener = null;
        release(source.get_DBrivelSampleActiveX(), source);
        source = null;
        return weak;
    }

    /** Whether the VM has collected the listener of the reference (after collections of its own). */
    public static boolean collected(Object weak) throws InterruptedException {
        return allCollected(weak);
    }

    // ---- Events of a remote client: the server-side sink forwards them. ----

    static BrivelSampleActiveX remoteSource;
    static Object[] remoteRegistration;

    /**
     * Registers a remote client's interest in the control's events as the
     * server library does: only the event interface's full name registers.
     * The forwarder writes each event as "Name interface Type:value ...".
     */
    public static void listenRemotely() throws Throwable {
        remoteSource = new BrivelSampleActiveX();
        Class<?>[] types = {String.class};
        for (String wrong : new String[] {"j2c.tutorial._dbrivelsampleactivexevents", "_DBrivelSampleActiveXEvents",
                                          "j2c.tutorial._DBrivelSampleActiveX"})
            check(callPrivate(remoteSource, BrivelSampleActiveX.class, "__RemoteEventAdd", types, wrong) == null,
                  "not registered: " + wrong);
        remoteRegistration = RemoteEvents.register(remoteSource, BrivelSampleActiveX.class,
                                                   "j2c.tutorial._DBrivelSampleActiveXEvents");
        TransactEnv.setEventForwarder(new TransactEnv.EventForwarder() {
            public Object forward(Object from, String interfaceName, String eventName, Object[] args) {
                StringBuilder text = new StringBuilder(eventName + " " + interfaceName);
                for (Object arg : args) {
                    String value = arg instanceof Date ? SampleListener.show((Date) arg) : String.valueOf(arg);
                    text.append(' ').append(arg == null ? "null" : arg.getClass().getName() + ":" + value);
                }
                RemoteEvents.note(text, from == remoteSource);
                return null;
            }
        });
    }

    public static String forwardedEvents() {
        return RemoteEvents.take();
    }

    /** Removes the remote registration as the server library does, and releases the control. */
    public static void stopListeningRemotely() throws Throwable {
        RemoteEvents.unregister(remoteSource, remoteRegistration);
        release(remoteSource.get_DBrivelSampleActiveX(), remoteSource);
        remoteSource = null;
        remoteRegistration = null;
    }
}
