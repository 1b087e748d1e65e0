package brivel.c2jtest;

import java.awt.event.ActionEvent;
import java.awt.event.ActionListener;
import java.util.concurrent.atomic.AtomicInteger;

// Java code that calls listeners, as an event source of a COM object's Java
// side would.
public class EventSource {
    private static Object kept;

    public static void fireAction(ActionListener listener, String command) {
        listener.actionPerformed(new ActionEvent(listener, ActionEvent.ACTION_PERFORMED, command));
    }

    // Java holds on to a listener (as a source keeps its listeners).
    public static void keep(Object listener) {
        kept = listener;
    }

    public static void fireKeptAction(String command) {
        fireAction((ActionListener) kept, command);
    }

    public static String fireAll(Events listener) {
        listener.started();
        int n = listener.counted(40, 3L << 33);
        String named = listener.named("text", 0.5);
        boolean flag = listener.flagged(true, '\u20ac', (byte) -3, (short) 300, 1.5f);
        return n + "|" + named + "|" + flag;
    }

    private static volatile boolean firing;
    private static Thread[] firers = new Thread[0];
    private static final AtomicInteger wrong = new AtomicInteger();
    private static final AtomicInteger calls = new AtomicInteger();

    // Threads that call counted(i, 0) until stopped; a listener's handler
    // answers i + 1.
    public static void startFiring(final Events listener, int threads) {
        firing = true;
        firers = new Thread[threads];
        for (int t = 0; t < threads; ++t) {
            firers[t] = new Thread(() -> {
                for (int i = 0; firing; ++i) {
                    if (listener.counted(i, 0) != i + 1) wrong.incrementAndGet();
                    calls.incrementAndGet();
                }
            });
            firers[t].start();
        }
    }

    // Stops the threads; the number of calls that were answered wrongly.
    public static int stopFiring() throws InterruptedException {
        firing = false;
        for (Thread firer : firers) firer.join();
        return wrong.get();
    }

    public static int callsMade() {
        return calls.get();
    }
}
