package brivel.out;

/** Holder of a byte array passed by reference: the callee may replace the array. */
public class TavoByteArray {
    /** The array passed in, and after the call the array passed back. */
    public byte[] array;

    public TavoByteArray() {
    }

    public TavoByteArray(byte[] array) {
        this.array = array;
    }

    public byte[] get() {
        return array;
    }

    public void set(byte[] array) {
        this.array = array;
    }
}
