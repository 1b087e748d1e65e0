package brivel.c2jtest;

import java.io.FileOutputStream;

// What Java code sees of the threads that call it.
public class Threads {
    public static boolean callerIsDaemon() { return Thread.currentThread().isDaemon(); }

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
}
