package e2e.bench;

import e2e.ledger.DLedgerEvents;
import e2e.ledger.ILedger;
import e2e.ledger.ITally;
import e2e.ledger.Ledger;

/**
 * The generated bridge against hand-written JNI natives making the same
 * calls: IDispatch calls without and with arguments, a virtual-table call,
 * and an event delivered to a Java listener. Each pair runs in alternating
 * rounds after a warm-up; the medians count. Prints one line per pair:
 * BENCH key ours floor ns. Run with the folder of the libraries as
 * java.library.path and as the first argument; a count of calls per round
 * and key prefixes, separated by commas (only those pairs run, for a
 * profile), may follow. With -Dbench.keys=K the keys start with K instead
 * of "e2e" (the run through a copy of the bridge without its fixed steps).
 */
public final class CallBenchmark {
    static {
        System.loadLibrary("e2e_bench");
    }

    private static native void registerServer(String library);
    private static native int directTotal(ILedger ledger);
    private static native int directTotalChecked(ILedger ledger);
    private static native String directDescribe(ILedger ledger, String label, int amount);
    private static native int directPeek(ITally tally);
    private static native int directPeekChecked(ITally tally);
    /** steps: 0 the call only, 1 the method looked up per event, 2 as the generated sink (HandWritten.cpp). */
    private static native int handSink(DLedgerEvents listener, int steps);
    private static native int generatedSink(DLedgerEvents listener);
    private static native void fireChanged(int sink, int count);

    static final int ROUNDS = 9;

    /** One side of a pair: runs its call `count` times. */
    interface Side {
        void run(int count) throws Exception;
    }

    static double nanosPerCall(Side side, int count) throws Exception {
        long start = System.nanoTime();
        side.run(count);
        return (System.nanoTime() - start) / (double) count;
    }

    static double median(double[] values) {
        double[] sorted = values.clone();
        java.util.Arrays.sort(sorted);
        return sorted[sorted.length / 2];
    }

    /** Runs only the pairs whose key starts with one of these (all when none). */
    static String[] only = {};
    static final String KEYS = System.getProperty("bench.keys", "e2e");

    static boolean wanted(String key) {
        if (only.length == 0) return true;
        for (String prefix : only)
            if (key.startsWith(prefix)) return true;
        return false;
    }

    static void compare(String key, Side ours, Side floor, int count) throws Exception {
        if (!wanted(key)) return;
        for (int warm = 0; warm < 3; ++warm) {  // enough for the VM to compile both loops
            ours.run(count / 4);
            floor.run(count / 4);
        }
        double[] o = new double[ROUNDS], f = new double[ROUNDS];
        for (int round = 0; round < ROUNDS; ++round) {
            f[round] = nanosPerCall(floor, count);
            o[round] = nanosPerCall(ours, count);
        }
        String shown = KEYS + key.substring(key.indexOf('.'));
        System.out.printf(java.util.Locale.ROOT, "BENCH %s %.4g %.4g ns%n", shown, median(o), median(f));
        System.out.flush();
    }

    static void check(boolean condition, String what) {
        if (!condition) throw new AssertionError(what);
    }

    static int heard;

    public static void main(String[] args) throws Exception {
        String folder = args.length > 0 ? args[0] : ".";
        final int count = args.length > 1 ? Integer.parseInt(args[1]) : 500000;
        if (args.length > 2) only = args[2].split(",");
        registerServer(folder + "/libbrivel_e2e_server.so");
        Ledger ledger = new Ledger();
        final ILedger l = ledger.getILedger();
        l.Add("x", 3).TavoRelease();
        final ITally t = ledger.getITally();
        check(l.getTotal() == 3 && directTotal(l) == 3, "Total");
        check("x 7".equals(l.Describe("x", 7)) && "x 7".equals(directDescribe(l, "x", 7)), "Describe");
        check(t.Peek() == 3 && directPeek(t) == 3, "Peek");

        compare("e2e.late_none", n -> {
            for (int i = 0; i < n; ++i) l.getTotal();
        }, n -> {
            for (int i = 0; i < n; ++i) directTotal(l);
        }, count);
        compare("e2e.late_string_int", n -> {
            for (int i = 0; i < n; ++i) l.Describe("label", i);
        }, n -> {
            for (int i = 0; i < n; ++i) directDescribe(l, "label", i);
        }, count);
        compare("e2e.early", n -> {
            for (int i = 0; i < n; ++i) t.Peek();
        }, n -> {
            for (int i = 0; i < n; ++i) directPeek(t);
        }, count);

        DLedgerEvents listener = new DLedgerEvents() {
            public void Changed(int what, String why) { heard += why.length(); }
            public void Closing(boolean[] cancel) {}
            public void Stamped(java.util.Date when) {}
            public void Tallied(e2e.ledger.Tally tally) {}
            public void Listed(String[] names, brivel.out.TavoIntArray counts) {}
        };
        final int generated = generatedSink(listener), hand = handSink(listener, 0);
        final int handLookingUp = handSink(listener, 1), handAsGenerated = handSink(listener, 2);
        heard = 0;
        fireChanged(generated, 1);
        fireChanged(hand, 1);
        check(heard == 2 * "benchmark".length(), "events heard");
        compare("e2e.event", n -> fireChanged(generated, n), n -> fireChanged(hand, n), count);

        // Steps that the generated text makes and a hand-written native need
        // not: each against the same floor, so its cost is the difference.
        compare("e2e.fixed_exception_check", n -> {
            for (int i = 0; i < n; ++i) directTotalChecked(l);
        }, n -> {
            for (int i = 0; i < n; ++i) directTotal(l);
        }, count);
        compare("e2e.fixed_exception_check_early", n -> {
            for (int i = 0; i < n; ++i) directPeekChecked(t);
        }, n -> {
            for (int i = 0; i < n; ++i) directPeek(t);
        }, count);
        compare("e2e.fixed_event_method_lookup", n -> fireChanged(handLookingUp, n), n -> fireChanged(hand, n), count);
        compare("e2e.fixed_event_steps", n -> fireChanged(handAsGenerated, n), n -> fireChanged(hand, n), count);

        t.TavoRelease();
        l.TavoRelease();
        ledger.TavoRelease();
    }
}
