package maptest;

/**
 * An interface class whose construction loads another bridge (the test's
 * native hands that bridge's map to the runtime, as its load hook would).
 */
public class Reentrant extends brivel.TavoObject {
    public Reentrant() {
        loaded();
    }

    private static native void loaded();
}
