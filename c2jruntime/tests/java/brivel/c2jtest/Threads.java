package brivel.c2jtest;

import java.io.FileOutputStream;

// What Java code sees of the threads that call it.
public class Threads {
    public static boolean callerIsDaemon() { return Thread.currentThread().isDaemon(); }

    public static String callerName() { return Thread.currentThread().getName(); }

    public static boolean startedThreadIsDaemon() {
        return new Thread(() -> {}).isDaemon();
    }

    // Starts a thread that Java code marks as non-daemon: it writes the file
    // after the pause.
    public static void startWriter(final String file, final int pauseMillis) {
        Thread writer = new Thread(() -> {
            try {
                Thread.sleep(pauseMillis);
                new FileOutputStream(file).close();
            } catch (Exception e) {
                e.printStackTrace();
            }
        });
        writer.setDaemon(false);
        writer.start();
    }

    // Starts a thread as Java code usually does, without saying whether it
    // is a daemon: it writes the file after the pause. Answers whether the
    // thread is a daemon.
    public static boolean startInheritingWriter(final String file, final int pauseMillis) {
        Thread writer = new Thread(() -> {
            try {
                Thread.sleep(pauseMillis);
                new FileOutputStream(file).close();
            } catch (Exception e) {
                e.printStackTrace();
            }
        });
        writer.start();
        return writer.isDaemon();
    }

    // Native code of the test's own (registered by the test).
    static native void callBack();

    // Starts a thread that Java code marks as non-daemon: it calls callBack
    // after the pause.
    public static void startCaller(final int pauseMillis) {
        Thread caller = new Thread(() -> {
            try {
                Thread.sleep(pauseMillis);
            } catch (InterruptedException e) {
                return;
            }
            callBack();
        });
        caller.setDaemon(false);
        caller.start();
    }
}
