package brivel.out;

/** Holder of a float array passed by reference: the callee may replace the array. */
public class TavoFloatArray {
    /** The array passed in, and after the call the array passed back. */
    public float[] array;

    public TavoFloatArray() {
    }

    public TavoFloatArray(float[] array) {
        this.array = array;
    }

    public float[] get() {
        return array;
    }

    public void set(float[] array) {
        this.array = array;
    }
}
