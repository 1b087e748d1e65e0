package e2e.bench;

import e2e.ledger.ILedger;
import e2e.ledger.Ledger;

/**
 * The cost of one generated IDispatch wrapper call (ILedger.getTotal) against
 * a hand-written JNI native that makes the same Invoke directly, printed as a
 * ratio. Run with the folder of the libraries as java.library.path.
 */
public final class InvokeBenchmark {
    static {
        System.loadLibrary("e2e_bench");
    }

    /** Registers the Ledger server library for this process's COM. */
    private static native void registerServer(String library);

    /** Calls Invoke of the object's Total property once, as the generated wrapper does. */
    private static native int directTotal(ILedger ledger);

    public static void main(String[] args) throws Exception {
        String folder = args.length > 0 ? args[0] : ".";
        int count = args.length > 1 ? Integer.parseInt(args[1]) : 2000000;
        registerServer(folder + "/libbrivel_e2e_server.so");
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        l.Add("x", 3).TavoRelease();
        for (int round = 0; round < 3; ++round) {  // the last round counts; the first ones warm up
            long t0 = System.nanoTime();
            int sum = 0;
            for (int i = 0; i < count; ++i) sum += l.getTotal();
            long t1 = System.nanoTime();
            int direct = 0;
            for (int i = 0; i < count; ++i) direct += directTotal(l);
            long t2 = System.nanoTime();
            if (sum != 3 * count || direct != 3 * count) throw new AssertionError("wrong totals");
            double wrapper = (t1 - t0) / (double) count;
            double handWritten = (t2 - t1) / (double) count;
            if (round == 2)
                System.out.printf("generated wrapper %.1f ns/call, hand-written native %.1f ns/call, ratio %.2f%n",
                                  wrapper, handWritten, wrapper / handWritten);
        }
        l.TavoRelease();
        ledger.TavoRelease();
    }
}
