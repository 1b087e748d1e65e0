package bridges.test;

import brivel.TavoEventListener;
import brivel.TavoObject;
import brivel.server.TransactEnv;

import java.util.ArrayList;
import java.util.List;

import static bridges.test.Checks.*;

/**
 * A remote client's interest in the events of a bridge's object, registered
 * and removed through the server library's own natives, and the events the
 * forwarder was handed, one a line.
 */
public final class RemoteEvents {
    private static final List<String> forwarded = new ArrayList<String>();

    static {
        System.loadLibrary("BrvServerLib");
    }

    private RemoteEvents() {
    }

    /** Registers as the server does (the object's __RemoteEventAdd); answers {listener, cookie}. */
    public static Object[] register(TavoObject source, Class<?> cls, String interfaceName) throws Throwable {
        Object[] registration = TransactEnv.doRegistration(source, interfaceName, null, 0, true);
        check(registration != null && registration.length == 2, "registered: listener and cookie");
        check(registration[0].getClass() == TavoEventListener.class, "a plain listener holds the sink");
        check(registration[1] instanceof Integer, "the cookie as an Integer");
        return registration;
    }

    /** Notes a forwarded event's text, marked when another object sent it. */
    public static void note(StringBuilder text, boolean fromTheSource) {
        synchronized (forwarded) {
            forwarded.add(text.append(fromTheSource ? "" : " from another object").toString());
        }
    }

    /** The events noted since the last call. */
    public static String take() {
        synchronized (forwarded) {
            String text = String.join("\n", forwarded);
            forwarded.clear();
            return text;
        }
    }

    /**
     * Removes the registration as the server does (the object's
     * __TavoUnadvise), which also lets go of the listener's sink, and stops
     * forwarding.
     */
    public static void unregister(TavoObject source, Object[] registration) throws Throwable {
        TavoEventListener listener = (TavoEventListener) registration[0];
        int cookie = ((Integer) registration[1]).intValue();
        TransactEnv.doRegistration(source, null, listener, cookie, false);
        java.lang.reflect.Field sink = TavoEventListener.class.getDeclaredField("__TavoEventSink");
        sink.setAccessible(true);
        check(sink.getInt(listener) == 0, "the removal let go of the listener's sink");
        TransactEnv.setEventForwarder(null);
    }
}
