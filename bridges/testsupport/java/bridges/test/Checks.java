package bridges.test;

import brivel.TavoObject;

import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;

/**
 * The checks of the bridges' Java test programs: a failed check throws
 * AssertionError with what was expected, which the host reports.
 */
public final class Checks {
    private Checks() {
    }

    public static void check(boolean condition, String what) {
        if (!condition) throw new AssertionError(what);
    }

    public static void same(Object expected, Object actual, String what) {
        if (expected == null ? actual != null : !expected.equals(actual))
            throw new AssertionError(what + ": expected <" + expected + "> but was <" + actual + ">");
    }

    public static void release(TavoObject... objects) {
        for (TavoObject o : objects)
            if (o != null) o.TavoRelease();
    }

    public interface ThrowingRunnable {
        void run() throws Throwable;
    }

    public static void expectThrows(Class<? extends Throwable> kind, String message, ThrowingRunnable what,
                                    String context) {
        try {
            what.run();
        } catch (Throwable t) {
            same(kind.getName(), t.getClass().getName(), context + ": exception class");
            if (message != null) same(message, t.getMessage(), context + ": message");
            return;
        }
        throw new AssertionError(context + ": nothing was thrown");
    }

    /** Calls a private method of a generated class; its exception comes out as it was thrown. */
    public static Object callPrivate(Object target, Class<?> cls, String name, Class<?>[] types, Object... args)
            throws Throwable {
        Method m = cls.getDeclaredMethod(name, types);
        m.setAccessible(true);
        try {
            return m.invoke(target, args);
        } catch (InvocationTargetException e) {
            throw e.getCause();
        }
    }

    /** Whether the VM has collected the referents of every weak reference (after collections of its own). */
    public static boolean allCollected(Object... weak) throws InterruptedException {
        for (int round = 0; round < 50; ++round) {
            System.gc();
            boolean all = true;
            for (Object w : weak) all &= ((java.lang.ref.WeakReference<?>) w).get() == null;
            if (all) return true;
            Thread.sleep(20);
        }
        return false;
    }
}
