package brivel.out;

/** Holder of a long array passed by reference: the callee may replace the array. */
public class TavoLongArray {
    /** The array passed in, and after the call the array passed back. */
    public long[] array;

    public TavoLongArray() {
    }

    public TavoLongArray(long[] array) {
        this.array = array;
    }

    public long[] get() {
        return array;
    }

    public void set(long[] array) {
        this.array = array;
    }
}
