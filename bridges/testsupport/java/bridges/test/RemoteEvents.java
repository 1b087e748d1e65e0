package bridges.test;

import brivel.TavoEventListener;
import brivel.TavoObject;
import brivel.server.TransactEnv;

import java.util.ArrayList;
import java.util.List;

import static bridges.test.Checks.*;

/**
 * A remote client's interest in the events of a bridge's object, registered
 * and removed as the server library does, and the events the forwarder was
 * handed, one a line.
 */
public final class RemoteEvents {
    private static final List<String> forwarded = new ArrayList<String>();

    private RemoteEvents() {
    }

    /** Registers through the object's __RemoteEventAdd; answers {listener, cookie}. */
    public static Object[] register(TavoObject source, Class<?> cls, String interfaceName) throws Throwable {
        Object[] registration = (Object[]) callPrivate(source, cls, "__RemoteEventAdd", new Class<?>[] {String.class},
                                                       interfaceName);
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

    /** Removes the registration through the object's __TavoUnadvise and stops forwarding. */
    public static void unregister(TavoObject source, Object[] registration) throws Throwable {
        TavoEventListener listener = (TavoEventListener) registration[0];
        int cookie = ((Integer) registration[1]).intValue();
        callPrivate(source, TavoObject.class, "__TavoUnadvise", new Class<?>[] {TavoEventListener.class, int.class},
                    listener, Integer.valueOf(cookie));
        listener.TavoRelease();
        TransactEnv.setEventForwarder(null);
    }
}
