package probe;

import java.util.Arrays;

import test.arrays.IItem;
import test.arrays.IRackEvents;
import test.arrays.Shape;

/** A listener of the array bridge's dual event interface that records what arrives and fills the holders. */
public class RackEventsProbe extends IRackEvents {
    public String log = "";
    public boolean throwNext;

    private static String shapes(Shape[] shapes) {
        StringBuilder text = new StringBuilder("[");
        for (int i = 0; i < shapes.length; ++i) {
            if (i > 0) text.append(", ");
            text.append(shapes[i] == null ? "null" : shapes[i].getClass().getSimpleName() + shapes[i].getEnumeratedIntValue());
        }
        return text.append("]").toString();
    }

    private static String items(Object[] items) {
        if (items == null) return "null";
        StringBuilder text = new StringBuilder("[");
        for (int i = 0; i < items.length; ++i) {
            if (i > 0) text.append(", ");
            text.append(items[i] == null ? "null" : items[i].getClass().getSimpleName());
        }
        return text.append("]").toString();
    }

    public void Filled(int[] counts, String[] names, Shape[] Shapes) {
        log += "Filled " + Arrays.toString(counts) + " " + Arrays.toString(names) + " " + shapes(Shapes) + ";";
    }

    public void Offered(IItem[] Items, brivel.TavoVariant[] extras) {
        log += "Offered " + items(Items) + " " + (extras == null ? "null" : String.valueOf(extras.length)) + ";";
    }

    public void Asked(brivel.out.TavoIntArray answers, brivel.out.TavoComobjArray picks, brivel.out.TavoStringArray notes) {
        log += "Asked " + Arrays.toString(answers.array) + " " + items(picks.array) + " " + Arrays.toString(notes.array) + ";";
        if (throwNext) {
            throwNext = false;
            throw new IllegalStateException("handler failed");
        }
        answers.array = new int[] {7, 8, 9};
        notes.array = new String[] {"done"};
    }

    public void Shown(int[] counts) {
        log += "Shown " + Arrays.toString(counts) + ";";
    }
}
