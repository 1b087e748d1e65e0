package probe;

import java.util.Arrays;

import brivel.out.TavoComobjArray;
import brivel.out.TavoDoubleArray;
import brivel.out.TavoEnumArray;
import brivel.out.TavoIntArray;
import brivel.out.TavoShortArray;
import test.arrays.IItem;
import test.arrays.IShelf;
import test.arrays.Shape;

/** Calls the array bridge's virtual-table natives on a COM object and reports what came back. */
public class ShelfDriver {
    private static String objects(Object[] items) {
        if (items == null) return "null";
        StringBuilder text = new StringBuilder("[");
        for (int i = 0; i < items.length; ++i) {
            if (i > 0) text.append(", ");
            Object item = items[i];
            if (item == null) text.append("null");
            else if (item instanceof Shape) text.append("Shape").append(((Shape) item).getEnumeratedIntValue());
            else text.append(item.getClass().getSimpleName());
        }
        return text.append("]").toString();
    }

    public static String run(brivel.TavoObject object) throws Exception {
        IShelf shelf = IShelf._brivelCoerceObject(object);
        StringBuilder log = new StringBuilder();
        // Numbers: by value in, in/out holder (its array goes in), out-only
        // holder, result holder.
        TavoDoubleArray scaled = new TavoDoubleArray(new double[] {0.5});
        TavoShortArray counts = new TavoShortArray();
        TavoIntArray result = shelf.Numbers(new int[] {1, 2, 3}, scaled, counts);
        log.append("Numbers ").append(Arrays.toString(result.array)).append(' ').append(Arrays.toString(scaled.array))
           .append(' ').append(Arrays.toString(counts.array)).append(';');
        // A missing holder is refused before the call.
        try {
            shelf.Numbers(new int[0], null, counts);
            log.append("no exception;");
        } catch (NullPointerException e) {
            log.append(e.getMessage()).append(';');
        }
        // Enumeration values both ways.
        TavoEnumArray shapes = shelf.Shapes(new Shape[] {Shape.Square, Shape.Round, null});
        log.append("Shapes ").append(objects(shapes.array)).append(';');
        // Interface results: objects of the element's class, null elements kept.
        TavoComobjArray swapped = new TavoComobjArray();
        TavoComobjArray items = shelf.Items(new IItem[0], swapped);
        log.append("Items ").append(objects(items.array)).append(';');
        for (Object item : items.array)
            if (item != null) ((IItem) item).TavoRelease();
        // An IN array behind a pointer.
        log.append("Sum ").append(shelf.Sum(new int[] {4, 5, 6}, new brivel.TavoVariant[0])).append(';');
        // Arguments narrower than int through the virtual-call thunk.
        log.append("Tune ").append(shelf.Tune(true, (short) -2, (byte) 200)).append(';');
        return log.toString();
    }
}
