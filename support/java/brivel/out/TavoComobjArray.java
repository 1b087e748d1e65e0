package brivel.out;

/** Holder of a brivel.TavoObject array passed by reference: the callee may replace the array. */
public class TavoComobjArray {
    /** The array passed in, and after the call the array passed back. */
    public brivel.TavoObject[] array;

    public TavoComobjArray() {
    }

    public TavoComobjArray(brivel.TavoObject[] array) {
        this.array = array;
    }

    public brivel.TavoObject[] get() {
        return array;
    }

    public void set(brivel.TavoObject[] array) {
        this.array = array;
    }
}
