package brivel;

import java.util.IdentityHashMap;
import java.util.Map;

/** Base of the generated coclass and interface classes: holds the COM pointer of the object. */
public class TavoObject {
    /** Warn once when a class that prefers the multithreaded apartment runs in another. */
    public static boolean __TavoWarnMTA = true;

    private static volatile boolean modeMTA = false;

    /** The COM interface pointer, kept by the natives (0 while the object is empty). */
    protected int __TavoComPtr;

    /** Advise cookies of the listeners added to this object (made on first use: natives make objects without constructors). */
    private Map<TavoEventListener, Integer> listenerCookies;

    static {
        System.loadLibrary("brivellib18");
    }

    /** Remote-access support: the client side of a remote object. */
    protected TavoClientObjMap __TavoRemoteMap;

    public TavoObject() {
    }

    /** A client-side copy of an object that lives in the remote server. */
    public TavoObject(TavoClientObjMap remoteOnly) {
        __TavoRemoteMap = remoteOnly;
    }

    /** True when the process runs its COM calls in the multithreaded apartment. */
    public static boolean TavoModeMTA() {
        return modeMTA;
    }

    /** Records the apartment chosen for the process. */
    public static void TavoSetModeMTA(boolean mta) {
        modeMTA = mta;
    }

    /** Connects a listener to the object's events. */
    protected void _TavoAddEventListener(TavoEventListener listener) throws TavoException {
        if (listener == null) throw new TavoException("Null event listener");
        // A remote-client object registers its listeners with the remote
        // server, which this stand-in never reaches.
        if (__TavoRemoteMap != null)
            throw new TavoException("No remote connection for event listener " + listener.getClass().getName());
        synchronized (this) {
            if (listenerCookies == null) listenerCookies = new IdentityHashMap<TavoEventListener, Integer>();
            if (listenerCookies.containsKey(listener)) return;
            int cookie = __TavoAdvise(listener);
            listenerCookies.put(listener, Integer.valueOf(cookie));
        }
    }

    /** Disconnects a listener added before; a listener never added is ignored. */
    protected void _TavoRemoveEventListener(TavoEventListener listener) throws TavoException {
        Integer cookie;
        synchronized (this) {
            cookie = listenerCookies == null ? null : listenerCookies.remove(listener);
        }
        if (cookie != null) __TavoUnadvise(listener, cookie.intValue());
    }

    /** Views an object as another generated interface class, through its coercion constructor. */
    protected static Object __TavoStaticCoerce(TavoObject obj, Class<?> cls) throws TavoException {
        if (obj == null) throw new TavoException("Null object");
        if (obj.__TavoRemoteMap != null) {
            // A remote-client object: the same remote object seen through the
            // other class, on the same connection.
            try {
                return cls.getConstructor(TavoClientObjMap.class).newInstance(obj.__TavoRemoteMap);
            } catch (ReflectiveOperationException ex) {
                throw new TavoException("Cannot coerce object to " + cls.getName() + ": " + ex);
            }
        }
        try {
            java.lang.reflect.Constructor<?> ctor = cls.getDeclaredConstructor(TavoObject.class);
            ctor.setAccessible(true);
            return ctor.newInstance(obj);
        } catch (java.lang.reflect.InvocationTargetException ex) {
            Throwable cause = ex.getCause();
            if (cause instanceof TavoException) throw (TavoException) cause;
            if (cause instanceof RuntimeException) throw (RuntimeException) cause;
            throw new TavoException(String.valueOf(cause));
        } catch (ReflectiveOperationException ex) {
            throw new TavoException("Cannot coerce object to " + cls.getName() + ": " + ex);
        }
    }

    /** Remote-access support: calls a method of the remote object. */
    protected brivel.server.TransactInvoke __TavoInvoke(String method, Class<?>[] types, Object[] args, boolean[] out) {
        return brivel.server.TransactInvoke.call(__TavoRemoteMap, this, method, types, args, out);
    }

    /** Remote-access support: creates the remote object and fills the interface objects. */
    protected brivel.server.TransactConstructor __TavoConstruct(boolean find, int count, String[] getters, TavoObject[] intfs) {
        return brivel.server.TransactConstructor.construct(__TavoRemoteMap, this, find, count, getters, intfs);
    }

    /** Advises the object's event source of the listener's sink; answers the cookie. */
    protected native int __TavoAdvise(TavoEventListener listener) throws TavoException;

    /** Releases the COM reference this object holds; the object is empty afterwards. */
    public native void TavoRelease();

    /** Ends an advise made by __TavoAdvise. */
    protected native void __TavoUnadvise(TavoEventListener listener, int cookie) throws TavoException;
}
