package brivel;

/** Chooses the multithreaded COM apartment for the process, before its first COM call. */
public class TavoMTA {
    static {
        System.loadLibrary("BrivelMTALib");
    }

    private TavoMTA() {
    }

    /** Marks the process for the multithreaded apartment; throws when it was set up for another. */
    public static native void initMTA() throws TavoException;
}
