package brivel.out;

/** Holder of a double array passed by reference: the callee may replace the array. */
public class TavoDoubleArray {
    /** The array passed in, and after the call the array passed back. */
    public double[] array;

    public TavoDoubleArray() {
    }

    public TavoDoubleArray(double[] array) {
        this.array = array;
    }

    public double[] get() {
        return array;
    }

    public void set(double[] array) {
        this.array = array;
    }
}
