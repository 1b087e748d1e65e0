package brivel.out;

/** Holder of a boolean array passed by reference: the callee may replace the array. */
public class TavoBooleanArray {
    /** The array passed in, and after the call the array passed back. */
    public boolean[] array;

    public TavoBooleanArray() {
    }

    public TavoBooleanArray(boolean[] array) {
        this.array = array;
    }

    public boolean[] get() {
        return array;
    }

    public void set(boolean[] array) {
        this.array = array;
    }
}
