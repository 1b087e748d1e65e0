package brivel.out;

/** Holder of a int array passed by reference: the callee may replace the array. */
public class TavoIntArray {
    /** The array passed in, and after the call the array passed back. */
    public int[] array;

    public TavoIntArray() {
    }

    public TavoIntArray(int[] array) {
        this.array = array;
    }

    public int[] get() {
        return array;
    }

    public void set(int[] array) {
        this.array = array;
    }
}
