package brivel.out;

/** Holder of a short array passed by reference: the callee may replace the array. */
public class TavoShortArray {
    /** The array passed in, and after the call the array passed back. */
    public short[] array;

    public TavoShortArray() {
    }

    public TavoShortArray(short[] array) {
        this.array = array;
    }

    public short[] get() {
        return array;
    }

    public void set(short[] array) {
        this.array = array;
    }
}
