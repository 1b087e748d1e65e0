import test.texts.Boolean_;
import test.texts.String_;
import test.texts.brivel_;
import test.texts.permits_;
import test.texts.record_;
import test.texts.sealed_;
import test.texts.test_;
import test.texts.var_;
import test.texts.yield_;

import java.lang.reflect.Constructor;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;

/**
 * Runs the bridge of the texts library, whose classes are renamed where Java
 * refuses or would misread the library's names. "local": the classes with
 * their JNI library; every native is found under its class's name (a call on
 * an object without a COM pointer reaches the native and is refused there).
 * "remote": the remote-client copies, whose methods (with parameters renamed
 * clear of their locals) reach the remote server's stand-in.
 */
public class TextsCheck {
    private static int failures;

    private static void check(boolean condition, String what) {
        if (!condition) {
            System.out.println("FAILED: " + what);
            failures++;
        }
    }

    interface Call {
        void run() throws Throwable;
    }

    /** The call reached a native, which refused the object without a COM pointer. */
    private static void refusedByNative(String what, Call call) {
        try {
            call.run();
            check(false, what + " must be refused");
        } catch (NullPointerException ex) {
            check("Uninitialized TavoObject".equals(ex.getMessage()), what + ": " + ex.getMessage());
        } catch (Throwable ex) {
            check(false, what + ": " + ex);
        }
    }

    /** The call went to the remote server, which answered that none is connected. */
    private static void sentToServer(String what, Call call) {
        try {
            call.run();
            check(false, what + " without a server must fail");
        } catch (brivel.TavoException ex) {
            check(String.valueOf(ex.getMessage()).contains(what), what + ": " + ex.getMessage());
        } catch (Throwable ex) {
            check(false, what + ": " + ex);
        }
    }

    private static <T> T make(Class<T> cls, boolean remote) throws Exception {
        if (remote) return cls.getConstructor(brivel.TavoClientObjMap.class).newInstance(new brivel.TavoClientObjMap());
        Constructor<T> bare = cls.getDeclaredConstructor();
        bare.setAccessible(true);
        return bare.newInstance();
    }

    public static void main(String[] args) throws Exception {
        boolean remote = args.length > 0 && args[0].equals("remote");
        final String_ strings = make(String_.class, remote);
        if (remote) {
            sentToServer("Read", () -> strings.Read("C:\\users", 1, 2));
            sentToServer("Clash", () -> strings.Clash(new int[] {1}, new String[1]));
        } else {
            refusedByNative("String_.Read", () -> strings.Read("C:\\users", 1, 2));
            refusedByNative("String_.Clash", () -> strings.Clash(new int[] {1}, new String[1]));
            // The collection enumerator (named in capitals) is a native of the local class only.
            final Method enumerator = String_.class.getMethod("brivelEnumerator", brivel.TavoIterator.class);
            final brivel.TavoIterator receiver = item -> true;
            refusedByNative("String_.brivelEnumerator", () -> {
                try {
                    enumerator.invoke(strings, receiver);
                } catch (InvocationTargetException ex) {
                    throw ex.getCause();
                }
            });
            final Boolean_ booleans = make(Boolean_.class, false);
            refusedByNative("Boolean_.Next", () -> booleans.Next(strings));
            final yield_ yields = make(yield_.class, false);
            refusedByNative("yield_.Go", () -> yields.Go(var_.varOne, new record_()));
            final brivel_ brivels = make(brivel_.class, false);
            refusedByNative("brivel_.Go", () -> brivels.Go());
            final test_ tests = make(test_.class, false);
            refusedByNative("test_.Go", () -> tests.Go());

            // The coclass's natives: its identifier, and a creation that fails
            // (the class is registered nowhere) with the runtime's exception.
            Method guid = sealed_.class.getDeclaredMethod("__TavoGetGUID");
            guid.setAccessible(true);
            check("{6B2C0500-0000-4000-8000-000000000040}".equals(guid.invoke(null)), "sealed_'s identifier: " + guid.invoke(null));
            try {
                new sealed_();
                check(false, "creating an unregistered class must fail");
            } catch (brivel.TavoException ex) {
                check(true, "");
            }

            // The listener's native sink is made for it.
            permits_ listener = new permits_() {
                public void Fired(int Integer) {}
            };
            check(listener != null, "listener");
        }

        // Enumerations and records need no native.
        check(var_.intToEnumeratedValue(2).equals(var_.varTwo), "enumeration value");
        record_ record = new record_(7, new int[] {1, 2});
        check(record.width == 7 && record.getCells()[1] == 2, "record fields");

        if (failures > 0) System.exit(1);
        System.out.println((remote ? "remote-client" : "local") + " texts classes ok");
    }
}
